// A block of device pixels ready to be put on a device at 1:1: rows top
// down, each pixel blue, green, red, rows packed without padding.
#pragma once

#include "render/Rect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct DeviceImage {
    QnRect rect;
    std::vector<uint8_t> pixels;

    int32_t RowBytes() const { return int32_t(rect.Width() * 3); }
    // Row of device line y (rect.top <= y < rect.bottom).
    const uint8_t* Row(int32_t y) const { return pixels.data() + size_t(y - rect.top) * size_t(RowBytes()); }
};
