// A reduced copy of the filter area fetched from the host before a filter's
// dialog opens: an unfiltered copy and a working copy that preview runs
// fill, either in a buffer of its own or in the host's buffers, and the
// pixel map that shows one of them through the host's displayPixels.
#pragma once

#include "filters/frame/FilterModuleState.h"
#include "filters/frame/PixelMapV1.h"
#include "filters/sdk/PIFilter.h"

#include <cstdint>
#include <vector>

class PreviewTile {
public:
    PreviewTile() = default;
    PreviewTile(const PreviewTile&) = delete;
    PreviewTile& operator=(const PreviewTile&) = delete;

    // Makes record the current one and fetches the box through the host
    // mode's routine; failures are left in the module's result word. Only
    // the first fetch's box counts.
    int32_t Fetch(const VBox& box, FilterRecord* record);
    // Shows the copy the show flag chooses through the host's display
    // callback, into the platform context dc.
    void Paint(void* dc);

    // Byte of (x, y), plane k, of either copy.
    uint8_t* UnfilteredAt(int32_t x, int32_t y) { return unfiltered + y * unfilteredRowBytes + x * planes; }
    uint8_t* WorkingAt(int32_t x, int32_t y) { return working + y * workingRowBytes + x * planes; }

    // One zero-filled block of 2 x width x height x planes bytes, the
    // unfiltered copy in its first half; false when memory runs out.
    bool AllocateOwnBuffer(int32_t width, int32_t height, int32_t planes);
    bool HasOwnBuffer() const { return !buffer_.empty(); }

    DisplayPixelsProc display = nullptr;
    int32_t planes = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint8_t* unfiltered = nullptr;
    uint8_t* working = nullptr;
    void* mask = nullptr;
    int32_t unfilteredRowBytes = 0;
    int32_t workingRowBytes = 0;
    // 1 when the copies are the tile's own, 0 when they are the host's.
    bool ownsBuffer = false;
    // 1 when the host's mask may go with the pixel map (sampling fetch).
    bool hostMasks = true;
    // The next tile row of a row-by-row fetch that a host delivers by
    // Continue.
    int32_t resumeRow = 0;
    PSPixelMapV1 pixelMap{};
    PSPixelMask pixelMask{};
    // 1: the preview shows the working copy; 0: the unfiltered one.
    bool show = false;

private:
    std::vector<uint8_t> buffer_;
    VBox box_{};
    bool fetched_ = false;
};
