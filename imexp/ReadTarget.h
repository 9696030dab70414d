// The reader's side of a CAbstractReadWA: announces the picture to the
// sink in the order the work areas expect, hands rows over with their
// bottom-up numbers, reports progress and stops when asked. Every decoder
// goes through it, so the size limit and the sink's answers are checked in
// one place.
#pragma once

#include <cstdint>
#include <vector>

#include "imexp/WorkArea.h"

namespace imexp {

class ReadTarget {
public:
    ReadTarget(CAbstractReadWA& sink, CProgress* progress);
    ~ReadTarget();
    ReadTarget(const ReadTarget&) = delete;
    ReadTarget& operator=(const ReadTarget&) = delete;

    // Refuses sizes that are empty, negative or above the pixel limit,
    // before anything is allocated for them.
    static void CheckSize(int64_t width, int64_t height);

    // Announces the picture. palette holds count entries for the paletted
    // types (padded with black to the type's size); the fixed palettes of
    // types 1 and 8 are made here. dpi 0 means not known (300 is given).
    void Begin(int32_t width, int32_t height, int type, const PALETTEENTRY* palette, int count, int32_t hdpi,
               int32_t vdpi);

    // A decoder that can deliver the picture smaller at little cost (JPEG,
    // by 2, 4 or 8) may do so while it stays at least this large; 0 asks
    // for the full size.
    void AllowReductionTo(int32_t minWidth, int32_t minHeight)
    {
        minWidth_ = minWidth;
        minHeight_ = minHeight;
    }
    // The largest of 1, 2, 4 and 8 that keeps a width x height picture at
    // least as large as allowed.
    int32_t ReductionFor(int64_t width, int64_t height) const;

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int Type() const { return type_; }
    // Padded bytes of one row, and a buffer of that size for the decoder.
    size_t RowBytes() const { return rowBytes_; }
    uint8_t* RowBuffer() { return row_.data(); }

    // Hands over the line y counted from the top.
    void PutLine(int32_t y, const uint8_t* data) { PutRow(height_ - 1 - y, data); }
    // Hands over row (0 = last line), then reports progress.
    void PutRow(int32_t row, const uint8_t* data);
    // Reports progress of work that is not row by row (a whole-picture
    // decode before the rows go out); raises when asked to stop. A point
    // behind one already shown shows the earlier point again.
    void Step(int32_t done, int32_t total);

private:
    void Check(int answer, const char* what);

    CAbstractReadWA& sink_;
    CProgress* progress_;
    bool started_ = false;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int type_ = 0;
    size_t rowBytes_ = 0;
    std::vector<uint8_t> row_;
    int32_t minWidth_ = 0;
    int32_t minHeight_ = 0;
    int32_t rowsDone_ = 0;
    int32_t stepEvery_ = 1;
    // The furthest point shown so far: progress never moves backwards.
    int32_t shownDone_ = 0;
    int32_t shownTotal_ = 1;
};

} // namespace imexp
