// A block of device pixels ready to be put on a device at 1:1: rows top
// down, each pixel blue, green, red. Either the rows are its own, packed
// without padding, or (a DIB shown unscaled) it views the DIB's rows in
// place, valid only while that DIB is.
#pragma once

#include "render/Rect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct DeviceImage {
    QnRect rect;
    std::vector<uint8_t> pixels;
    const uint8_t* view = nullptr; // the top line's first pixel, when a view
    int64_t viewStride = 0;        // from one line to the next, when a view

    bool IsView() const { return view != nullptr; }
    // Bytes of the pixels of one line.
    int32_t RowBytes() const { return int32_t(rect.Width() * 3); }
    // Row of device line y (rect.top <= y < rect.bottom).
    const uint8_t* Row(int32_t y) const
    {
        if (view)
            return view + ptrdiff_t(y - rect.top) * ptrdiff_t(viewStride);
        return pixels.data() + size_t(y - rect.top) * size_t(RowBytes());
    }
};
