#include "filters/art/BrushShapes.h"

#include "filters/art/ArtBitmaps.h"
#include "platform/Dib.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kBitmapNames[] = {"THICK", "FINGER", "RADIANT", "FIVE", "RANDOM", "WAVE", "STAR"};

std::vector<uint8_t> GreyHeader()
{
    std::vector<platform::RGBQUAD> grey(256);
    for (int i = 0; i < 256; ++i)
        grey[size_t(i)] = platform::RGBQUAD{uint8_t(i), uint8_t(i), uint8_t(i), 0};
    return platform::MakeDibHeader(kBrushSide, kBrushSide, 8, grey, 0, 0);
}

} // namespace

const char* BrushBitmapName(int32_t type)
{
    if (type < kBrushFirstBitmap || type > kBrushLast)
        return nullptr;
    return kBitmapNames[type - kBrushFirstBitmap];
}

bool IsGeneratedBrush(int32_t type) { return BrushBitmapName(type) == nullptr; }

int32_t EllipseValue(int32_t x, int32_t y, int32_t n, int32_t aspect, int32_t edge)
{
    const int32_t v = (y - n / 2) * 100 / aspect;
    const int32_t u = x - n / 2;
    const int32_t d = n * n / 4 - v * v - u * u;
    if (d < 0)
        return 255;
    const int32_t t = (n * edge / 10) * (n * edge / 10);
    if (edge > 0 && t != 0 && t >= d)
        return 255 - d * 255 / t;
    return 0;
}

int32_t RectValue(int32_t x, int32_t y, int32_t n, int32_t aspect, int32_t edge)
{
    const int32_t f = n * 11 / 50;
    const int32_t h = std::min(x - aspect * f / 100, n - aspect * f / 100 - x);
    if (h < 0)
        return 255;
    const int32_t l = std::min(y - f, n - f - y);
    if (l < 0)
        return 255;
    if (edge == 0)
        return 0;
    const int32_t m = std::min(h, l);
    const int32_t c = n * edge / 10;
    if (c >= m && c > 0)
        return 255 - m * 255 / c;
    return 0;
}

std::vector<uint8_t> BrushImage(int32_t type, int32_t edge, int32_t aspect)
{
    std::vector<uint8_t> dib = GreyHeader();
    const size_t bits = dib.size();
    dib.resize(bits + size_t(kBrushSide * kBrushSide));
    uint8_t* out = dib.data() + bits;
    if (const char* name = BrushBitmapName(type)) {
        const std::optional<ArtBitmapView> bitmap = ArtBitmap(name);
        if (!bitmap || bitmap->bits != 8 || bitmap->width != kBrushSide || bitmap->height != kBrushSide)
            return {};
        for (int32_t y = 0; y < kBrushSide; ++y)
            for (int32_t x = 0; x < kBrushSide; ++x)
                out[y * kBrushSide + x] = uint8_t(255 - *bitmap->At(x, y));
        return dib;
    }
    aspect = std::max(aspect, 1);
    for (int32_t y = 0; y < kBrushSide; ++y)
        for (int32_t x = 0; x < kBrushSide; ++x) {
            int32_t v;
            if (type == kBrushCross)
                v = std::min(EllipseValue(x, y, kBrushSide, aspect, edge), EllipseValue(y, x, kBrushSide, aspect, edge));
            else if (type == kBrushRectangle)
                v = RectValue(x, y, kBrushSide, aspect, edge);
            else
                v = EllipseValue(x, y, kBrushSide, aspect, edge);
            out[y * kBrushSide + x] = uint8_t(v);
        }
    return dib;
}

const uint8_t* BrushBits(const std::vector<uint8_t>& dib) { return dib.data() + dib.size() - kBrushSide * kBrushSide; }

std::vector<uint8_t> RotateMask(const uint8_t* brush, int32_t wb, int32_t hb, int32_t size, int32_t degrees)
{
    const double a = degrees * 0.01745327777777778;
    const int32_t c = int32_t(std::cos(a) * 64), s = int32_t(std::sin(a) * 64);
    std::vector<uint8_t> out(size_t(size) * size_t(size));
    const auto b = [&](int32_t x, int32_t y) { return int32_t(brush[y * wb + x]); };
    for (int32_t i = 0; i < size; ++i)
        for (int32_t j = 0; j < size; ++j) {
            const int32_t dy = i * hb / size - hb / 2, dx = j * wb / size - wb / 2;
            const int32_t sx = 32 * wb - c * dx + s * dy, sy = 32 * hb + s * dx + c * dy;
            uint8_t& value = out[size_t(i) * size_t(size) + size_t(j)];
            if (sx < 0 || sy < 0 || (sx >> 6) >= wb || (sy >> 6) >= hb) {
                value = 255;
                continue;
            }
            const int32_t x0 = sx >> 6, y0 = sy >> 6;
            const int32_t x1 = std::min(x0 + 1, wb - 1), y1 = std::min(y0 + 1, hb - 1);
            const int32_t fx = (sx >> 2) - 16 * x0, fy = (sy >> 2) - 16 * y0;
            value = uint8_t(((b(x0, y0) * (16 - fx) + b(x1, y0) * fx) * (16 - fy) +
                             (b(x1, y1) * fx + b(x0, y1) * (16 - fx)) * fy) >>
                            8);
        }
    return out;
}
