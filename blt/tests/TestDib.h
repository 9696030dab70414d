// A 24-bit DIB of distinct pixels for the drawing tests: the pixel in
// column x of line y (counted from the top) is QnRGB(x, y, tag).
#pragma once

#include "blt/ColorRef.h"
#include "blt/DibBits.h"

#include <cstdint>
#include <vector>

class TestDib {
public:
    TestDib(int32_t width, int32_t height, uint8_t tag = 0x80) : width_(width), height_(height)
    {
        const DibBits shape{width, height, nullptr};
        bytes_.assign(size_t(shape.RowBytes()) * size_t(height), 0xEE);  // padding that must never show
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x) {
                uint8_t* p = bytes_.data() + size_t(height - 1 - y) * size_t(shape.RowBytes()) + size_t(x) * 3;
                p[0] = tag;
                p[1] = uint8_t(y);
                p[2] = uint8_t(x);
            }
    }

    DibBits Bits() const { return DibBits{width_, height_, bytes_.data()}; }
    // What column x of line y (from the top) shows; tag as given.
    static QnColorRef At(int32_t x, int32_t yFromTop, uint8_t tag = 0x80)
    {
        return QnRGB(uint8_t(x), uint8_t(yFromTop), tag);
    }

private:
    int32_t width_;
    int32_t height_;
    std::vector<uint8_t> bytes_;
};
