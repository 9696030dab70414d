// The writer's side of a CAbstractWriteWA: takes the picture's size, type,
// palette and resolution once, checks them, and pulls rows with progress.
// Every encoder goes through it.
#pragma once

#include <cstdint>
#include <vector>

#include "imexp/WorkArea.h"

namespace imexp {

class WriteSource {
public:
    WriteSource(const CAbstractWriteWA& source, CProgress* progress);
    ~WriteSource();
    WriteSource(const WriteSource&) = delete;
    WriteSource& operator=(const WriteSource&) = delete;

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int Type() const { return type_; }
    // The type's palette (2, 16 or 256 entries; the fixed ones for types 1
    // and 8), empty for 24-bit colour.
    const std::vector<PALETTEENTRY>& Palette() const { return palette_; }
    int32_t HDpi() const { return hdpi_; }
    int32_t VDpi() const { return vdpi_; }
    size_t RowBytes() const { return row_.size(); }

    // The packed row (0 = last line), then progress.
    const uint8_t* Row(int32_t row);
    const uint8_t* Line(int32_t y) { return Row(height_ - 1 - y); }

private:
    void Check(int answer, const char* what) const;

    const CAbstractWriteWA& source_;
    CProgress* progress_;
    bool started_ = false;
    int32_t width_ = 0, height_ = 0;
    int type_ = 0;
    std::vector<PALETTEENTRY> palette_;
    int32_t hdpi_ = 300, vdpi_ = 300;
    std::vector<uint8_t> row_;
    int32_t rowsDone_ = 0;
    int32_t stepEvery_ = 1;
};

// A packed row of a paletted type as blue, green, red.
void PalettedToBgr(const uint8_t* row, int type, const std::vector<PALETTEENTRY>& palette, int32_t width, uint8_t* out);

} // namespace imexp
