#include "editor/painting/BrushModes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Calls visit(pixel, m) for every pixel of the area inside the selection,
// rows from the top, left to right.
template <class Visit>
void ForSelected(const DabArea& a, Visit visit)
{
    for (int32_t j = 0; j < a.height; ++j) {
        uint8_t* p = a.pixels + j * a.pixelStride;
        const uint8_t* s = a.selection + j * a.selectionStride;
        const uint8_t* m = a.mask + j * a.maskStride;
        for (int32_t i = 0; i < a.width; ++i, p += a.bytesPerPixel)
            if (s[i] != 0)
                visit(p, m[i]);
    }
}

void Put(uint8_t* p, const uint8_t* colour, int32_t n) { std::memcpy(p, colour, size_t(n)); }

} // namespace

void BrushDabColor(const DabArea& area, const uint8_t* colour, int32_t smooth)
{
    const int32_t n = area.bytesPerPixel;
    if (smooth == 0) {
        ForSelected(area, [&](uint8_t* p, uint8_t m) {
            if (m == 0)
                Put(p, colour, n);
        });
        return;
    }
    ForSelected(area, [&](uint8_t* p, uint8_t m) {
        for (int32_t c = 0; c < n; ++c)
            p[c] = uint8_t((p[c] * m + colour[c] * (255 - m)) / 255);
    });
}

void BrushDabAir(const DabArea& area, const uint8_t* colour, int32_t smooth, platform::WinRand& rand)
{
    // One density for colour and grey pictures alike: a grey picture would
    // otherwise take two and a half times the paint of a colour one.
    const int32_t n = area.bytesPerPixel;
    if (smooth == 0) {
        ForSelected(area, [&](uint8_t* p, uint8_t m) {
            if (m == 0 && rand.Next() % 100 > 80)
                Put(p, colour, n);
        });
        return;
    }
    const int32_t threshold = 80 + 6 * smooth;
    ForSelected(area, [&](uint8_t* p, uint8_t m) {
        if (rand.Next() % 100 > threshold && m < 255)
            Put(p, colour, n);
    });
}

void BrushDabShade(const DabArea& area, int32_t step, int32_t smooth)
{
    const int32_t n = area.bytesPerPixel;
    ForSelected(area, [&](uint8_t* p, uint8_t m) {
        int32_t d;
        if (smooth == 0) {
            if (m != 0)
                return;
            d = 5;
        } else {
            d = (255 - m) / 51;
        }
        for (int32_t c = 0; c < n; ++c)
            p[c] = uint8_t(std::clamp(p[c] + step * d, 0, 255));
    });
}

void BrushDabSmudge(const SmudgeRows& r, int32_t dx, int32_t dy)
{
    const int32_t n = r.bytesPerPixel;
    const int32_t len = int32_t(std::sqrt(double(dx) * dx + double(dy) * dy));
    if (len == 0) {
        for (int32_t j = 0; j < r.height; ++j)
            std::memcpy(r.out + j * r.outStride, r.source + j * r.sourceStride, size_t(r.width) * size_t(n));
        return;
    }
    const int64_t ux = int64_t(dx) * 1024 / len, uy = int64_t(dy) * 1024 / len;
    const auto weight = [](int32_t a, int32_t b) { return a * b * 256; };
    for (int32_t j = 0; j < r.height; ++j) {
        const uint8_t* s = r.selection + j * r.selectionStride;
        const uint8_t* m = r.mask + j * r.maskStride;
        uint8_t* out = r.out + j * r.outStride;
        for (int32_t i = 0; i < r.width; ++i) {
            uint8_t* o = out + i * n;
            if (m[i] == 255 || s[i] == 0) {
                std::memcpy(o, r.source + j * r.sourceStride + i * n, size_t(n));
                continue;
            }
            const int64_t k = 255 - m[i];
            const int64_t offx = k * ux * 16 / 261120, offy = k * uy * 16 / 261120;
            const int32_t sx = int32_t(std::clamp<int64_t>(16 * i - offx, 0, 16 * int64_t(r.width - 1)));
            const int32_t sy = int32_t(std::clamp<int64_t>(16 * j - offy, 0, 16 * int64_t(r.height - 1)));
            const int32_t fx = sx % 16, fy = sy % 16;
            const uint8_t* p00 = r.source + (sy / 16) * r.sourceStride + (sx / 16) * n;
            const int32_t w00 = weight(15 - fx, 15 - fy), w01 = weight(fx, 15 - fy);
            const int32_t w10 = weight(15 - fx, fy), w11 = weight(fx, fy);
            for (int32_t c = 0; c < n; ++c) {
                // A neighbour of weight 0 is not read: at the right and
                // bottom edges it lies outside the square.
                int64_t v = int64_t(p00[c]) * w00;
                if (w01)
                    v += int64_t(p00[n + c]) * w01;
                if (w10)
                    v += int64_t(p00[r.sourceStride + c]) * w10;
                if (w11)
                    v += int64_t(p00[r.sourceStride + n + c]) * w11;
                o[c] = uint8_t(v / 57600);
            }
        }
    }
}
