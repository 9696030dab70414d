#include "filters/edges/EdgeMask.h"

#include "filters/edges/BlendTable.h"
#include "platform/Dib.h"

#include <algorithm>

EdgeMask::EdgeMask(int32_t width, int32_t height, std::vector<uint8_t> topDown)
    : width_(width), height_(height), pixels_(std::move(topDown))
{
}

std::optional<EdgeMask> EdgeMask::FromDib(std::span<const uint8_t> dib)
{
    std::string error;
    const std::optional<platform::DibLayout> layout = platform::ReadDibLayout(dib, &error);
    if (!layout)
        return std::nullopt;
    const platform::BITMAPINFOHEADER& h = layout->header;
    if (h.biBitCount != 8 || h.biCompression != platform::BI_RGB || h.biWidth <= 0 || layout->height <= 0 ||
        h.biWidth > 4096 || layout->height > 4096)
        return std::nullopt;
    const int32_t width = h.biWidth, height = layout->height;
    const size_t rowBytes = size_t(platform::DibRowBytes(uint64_t(width), 8));
    if (layout->bitsOffset > dib.size() || (dib.size() - layout->bitsOffset) / rowBytes < size_t(height))
        return std::nullopt;
    std::vector<uint8_t> pixels(size_t(width) * size_t(height));
    for (int32_t y = 0; y < height; ++y) {
        const int32_t stored = layout->topDown ? y : height - 1 - y;
        const uint8_t* row = dib.data() + layout->bitsOffset + size_t(stored) * rowBytes;
        std::copy_n(row, width, pixels.begin() + ptrdiff_t(y) * width);
    }
    return EdgeMask(width, height, std::move(pixels));
}

int32_t EdgeMask::Weight(int32_t fx, int32_t ty) const
{
    const int32_t x0 = std::min(width_ - 1, fx >> 4), x1 = std::min(width_ - 1, x0 + 1);
    const int32_t y0 = std::min(height_ - 1, ty >> 4), y1 = std::min(height_ - 1, y0 + 1);
    const BlendTable& t = TheBlendTable();
    const int32_t ax = fx & 15, ay = ty & 15;
    const int32_t sum = At(x0, y0) * t.At(15 - ay, 15 - ax) + At(x1, y0) * t.At(15 - ay, ax) +
                        At(x0, y1) * t.At(ay, 15 - ax) + At(x1, y1) * t.At(ay, ax);
    return std::min(255, sum / 225);
}

EdgeMask EdgeMask::Blurred() const
{
    EdgeMask out = *this;
    const int32_t w = width_, h = height_;
    for (int32_t y = 0; y < h; ++y) {
        uint8_t* b = &out.pixels_[size_t(y) * size_t(w)];
        for (int32_t x = 1; x < w; ++x)
            b[x] = uint8_t(((b[x - 1] + b[x]) * 4 + 4) >> 3);
        for (int32_t x = w - 2; x >= 0; --x)
            b[x] = uint8_t(((b[x + 1] + b[x]) * 4 + 4) >> 3);
    }
    // The columns run in the bitmap's stored order, bottom row first; the
    // backward pass leaves the bottom row as the forward pass made it.
    auto stored = [&](int32_t x, int32_t y) -> uint8_t& { return out.pixels_[size_t(h - 1 - y) * size_t(w) + size_t(x)]; };
    for (int32_t x = 0; x < w; ++x) {
        for (int32_t y = 1; y < h; ++y)
            stored(x, y) = uint8_t(((stored(x, y - 1) + stored(x, y)) * 4 + 7) >> 3);
        for (int32_t y = h - 2; y >= 1; --y)
            stored(x, y) = uint8_t(((stored(x, y + 1) + stored(x, y)) * 4 + 7) >> 3);
    }
    return out;
}
