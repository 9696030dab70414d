#include "filters/edges/Thumbnail.h"

#include "platform/Dib.h"

#include <algorithm>
#include <cstring>

Thumbnail::Thumbnail(int32_t areaWidth, int32_t areaHeight, int32_t planes)
    : areaWidth_(areaWidth), areaHeight_(areaHeight), planes_(planes)
{
    // A very long, thin area still keeps one pixel across.
    if (areaWidth >= areaHeight) {
        width_ = kSide;
        height_ = std::max(1, int32_t(int64_t(areaHeight) * kSide / areaWidth));
    } else {
        height_ = kSide;
        width_ = std::max(1, int32_t(int64_t(areaWidth) * kSide / areaHeight));
    }
    rowBytes_ = size_t(platform::DibRowBytes(uint64_t(width_), unsigned(8 * planes)));
    platform::BITMAPINFOHEADER h;
    h.biWidth = width_;
    h.biHeight = height_;
    // The planes field counts the colour planes, as the gallery reads it.
    h.biPlanes = uint16_t(planes);
    h.biBitCount = uint16_t(8 * planes);
    h.biSizeImage = uint32_t(rowBytes_ * size_t(height_));
    const size_t table = planes == 1 ? 1024 : 0;
    bitsOffset_ = platform::BITMAPINFOHEADER::kSize + table;
    dib_.assign(bitsOffset_ + rowBytes_ * size_t(height_), 0);
    h.Write(dib_.data());
    for (size_t i = 0; i < table / 4; ++i)
        std::memset(&dib_[platform::BITMAPINFOHEADER::kSize + 4 * i], int(i), 3);
}

void Thumbnail::CopyRow(int32_t r, const uint8_t* pixels)
{
    if (r < 0 || r >= areaHeight_)
        return;
    // The thumbnail row of this area row, and, when the thumbnail is taller
    // than the area, the rows down to the next area row's, which would
    // otherwise stay empty.
    const int32_t first = int32_t(int64_t(r) * height_ / areaHeight_);
    const int32_t next = int32_t(int64_t(r + 1) * height_ / areaHeight_);
    const int32_t last = std::max(first, next - 1);
    for (int32_t y = first; y <= last && y < height_; ++y) {
        uint8_t* row = Row(y);
        for (int32_t i = 0; i < width_; ++i) {
            const int32_t column = int32_t(int64_t(i) * areaWidth_ / width_);
            std::memcpy(row + size_t(i) * size_t(planes_), pixels + size_t(column) * size_t(planes_), size_t(planes_));
        }
    }
}
