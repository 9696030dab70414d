// The Rubber stretch recomputed in the tests from its formulas, apart from
// the engine: the drag and target at a work size, the two weight tables,
// the source of every output position, and the pixels the engine writes
// (bilinear on the host, nearest in the preview).
#pragma once

#include "filters/frame/DisplacementEngine.h"
#include "filters/rubber/RubberParams.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

// Rounded to nearest, halves away from zero, as the system's MulDiv.
inline int32_t RefMulDiv(int64_t a, int64_t b, int64_t c)
{
    return int32_t(std::llround(static_cast<long double>(a) * b / c));
}

struct RubberField {
    RubberField(int32_t width, int32_t height, const RubberParams& p) : w(width), h(height)
    {
        dx = RefMulDiv(w, p.dragX, 1000);
        dy = RefMulDiv(h, p.dragY, 1000);
        gx = std::min(std::max(1, w * p.grabX / 1000), w - 1);
        gy = std::min(std::max(1, h * p.grabY / 1000), h - 1);
        tx = gx + dx;
        ty = gy + dy;
        wx.assign(size_t(w) + 1, 0);
        wy.assign(size_t(h) + 1, 0);
        for (int32_t i = 1; i < w; ++i)
            wx[size_t(i)] = Weight(i, w, tx);
        for (int32_t i = 1; i <= h; ++i)
            wy[size_t(i)] = Weight(i, h, ty);
    }
    static int32_t Weight(int64_t i, int64_t size, int64_t target)
    {
        const int64_t n = i > target ? (i - size) * (i - size) : i * i;
        return RefMulDiv(4096, n, (target - i) * (target - i) + n);
    }
    // The source of output position (x16, y16) in 1/16 pixel.
    std::pair<int32_t, int32_t> Source(int32_t x16, int32_t y16) const
    {
        if (x16 < 0 || y16 < 0 || x16 >= 16 * w || y16 >= 16 * h)
            return {x16, y16};
        const int32_t a = wx[size_t(x16 >> 4)], b = wy[size_t(y16 >> 4)];
        return {x16 + RefMulDiv(RefMulDiv(-16 * dx, a, 4096), b, 4096),
                y16 + RefMulDiv(RefMulDiv(-16 * dy, b, 4096), a, 4096)};
    }

    int32_t w, h, dx, dy, gx, gy, tx, ty;
    std::vector<int32_t> wx, wy;
};

// A picture of planes bytes a pixel, rows top-down, as a host holds it.
struct RefPicture {
    int32_t width, height, planes;
    const uint8_t* pixels;
    uint8_t At(int32_t x, int32_t y, int32_t k) const
    {
        return pixels[(size_t(y) * size_t(width) + size_t(x)) * size_t(planes) + size_t(k)];
    }
};

struct RefArea {
    int32_t left, top, right, bottom;
};

// The pixel the engine writes at (x, y) of the picture when it displaces
// the filter area by field (any field with w, h and Source in 1/16 pixel);
// backColor for sources outside a whole picture.
template <class Field>
uint8_t RubberPixel(const RefPicture& in, const RefArea& f, const Field& field, int32_t x, int32_t y, int32_t k,
                    const uint8_t* backColor)
{
    if (y < f.top || y >= f.bottom || x < f.left || x >= f.right)
        return in.At(x, y, k);
    auto [sx16, sy16] = field.Source((x - f.left) * 16, (y - f.top) * 16);
    if ((sx16 >> 4) < 0 || (sx16 >> 4) >= field.w || (sy16 >> 4) < 0 || (sy16 >> 4) >= field.h) {
        const bool whole = f.left == 0 && f.top == 0 && f.right == in.width && f.bottom == in.height;
        if (whole)
            return backColor[k];
        sx16 = (x - f.left) * 16;
        sy16 = (y - f.top) * 16;
    }
    const int32_t sx = f.left + (sx16 >> 4), sy = f.top + (sy16 >> 4);
    const int32_t sx1 = std::min(sx + 1, in.width - 1), sy1 = std::min(sy + 1, in.height - 1);
    const int32_t fx = sx16 & 15, fy = sy16 & 15;
    auto W = DisplacementEngine::Weight;
    return uint8_t((W(15 - fx, 15 - fy) * in.At(sx, sy, k) + W(fx, 15 - fy) * in.At(sx1, sy, k) +
                    W(15 - fx, fy) * in.At(sx, sy1, k) + W(fx, fy) * in.At(sx1, sy1, k)) >> 8);
}

// The preview pixel at (x, y) of a tile displaced by field: the nearest
// source, mid grey outside.
template <class Field>
uint8_t RubberPreviewPixel(const RefPicture& tile, const Field& field, int32_t x, int32_t y, int32_t k)
{
    const auto [sx16, sy16] = field.Source(x * 16, y * 16);
    const int32_t sx = sx16 >> 4, sy = sy16 >> 4;
    if (sx < 0 || sx >= tile.width || sy < 0 || sy >= tile.height)
        return 128;
    return tile.At(sx, sy, k);
}
