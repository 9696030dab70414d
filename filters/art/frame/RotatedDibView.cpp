#include "filters/art/frame/RotatedDibView.h"

#include "filters/art/frame/AngleNeedle.h"
#include "platform/Dib.h"

#include <algorithm>
#include <cmath>
#include <string>

std::vector<uint8_t> RotatedDibView(std::span<const uint8_t> dib, int32_t side, int32_t degrees)
{
    std::string error;
    const auto layout = platform::ReadDibLayout(dib, &error);
    if (!layout || side < 1 || layout->header.biBitCount < 8 || layout->header.biCompression != platform::BI_RGB)
        return {};
    const int32_t w = layout->header.biWidth;
    const int32_t h = layout->height;
    const size_t srcRowBytes = layout->header.RowBytes();
    if (w <= 0 || h <= 0 || layout->bitsOffset + srcRowBytes * size_t(h) > dib.size())
        return {};
    const int32_t b = layout->header.biBitCount / 8;

    std::vector<uint8_t> out = platform::MakeDibHeader(side, side, layout->header.biBitCount, layout->palette, 0, 0);
    const size_t headerBytes = out.size();
    const size_t rowBytes = size_t(platform::DibRowBytes(uint64_t(side), layout->header.biBitCount));
    out.resize(headerBytes + rowBytes * size_t(side), 255);

    const double a = degrees * AngleNeedle::kRadiansPerDegree;
    const auto S = int64_t(std::sin(a) * 4096);
    const auto C = int64_t(std::cos(a) * 4096);
    const uint8_t* src = dib.data() + layout->bitsOffset;
    uint8_t* bits = out.data() + headerBytes;
    const int64_t half = side / 2;
    for (int32_t i = 0; i < side; ++i) {
        for (int32_t j = 0; j < side; ++j) {
            const int64_t u = j - half;
            const int64_t v = i - half;
            const int64_t x = w * (half + ((v * S + u * C) >> 12)) / side;
            const int64_t y = h * (((u * S - v * C) >> 12) + half) / side;
            if (x >= 0 && x < w && y >= 0 && y < h)
                bits[size_t(i) * rowBytes + size_t(j) * size_t(b)] = src[size_t(y) * srcRowBytes + size_t(x) * size_t(b)];
        }
    }
    return out;
}
