// The colour formulas of the converters, one pixel at a time, in integer
// arithmetic with truncating division. Hue runs 0 .. 239, 40 steps a sixth
// of the circle: red 0, green 80, blue 160.
#pragma once

#include <algorithm>
#include <cstdint>

inline uint8_t QnGrayOf(uint32_t b, uint32_t g, uint32_t r) { return uint8_t((b + g + r) / 3); }

// bgr -> hue, saturation, value.
inline void QnToHSV(const uint8_t* bgr, uint8_t* hsv)
{
    const int b = bgr[0], g = bgr[1], r = bgr[2];
    const int v = std::max({b, g, r});
    const int d = v - std::min({b, g, r});
    const int s = v == 0 ? 0 : d * 255 / v;
    int h = 0;
    if (s != 0) {
        const int rp = (40 * v - 40 * r) / d, gp = (40 * v - 40 * g) / d, bp = (40 * v - 40 * b) / d;
        h = r == v ? bp - gp : g == v ? rp - bp + 80 : gp - rp + 160;
        if (h < 0)
            h += 240;
    }
    hsv[0] = uint8_t(h);
    hsv[1] = uint8_t(s);
    hsv[2] = uint8_t(v);
}

// hue, saturation, value -> bgr. The value comes back as it was; the other
// two channels are multiples of 4.
inline void QnFromHSV(const uint8_t* hsv, uint8_t* bgr)
{
    uint32_t h = hsv[0];
    const uint32_t s = hsv[1], v = hsv[2];
    if (s == 0) {
        bgr[0] = bgr[1] = bgr[2] = uint8_t(v);
        return;
    }
    if (h >= 240)
        h -= 240;
    const uint32_t k = h / 40, f = h % 40, w = v / 4;
    const uint32_t p = (255 - s) * w / 256 * 4;
    const uint32_t q = (255 - f * s / 40) * w / 256 * 4;
    const uint32_t t = (255 - (39 - f) * s / 40) * w / 256 * 4;
    uint32_t r, g, b;
    switch (k) {
    case 0: r = v; g = t; b = p; break;
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    default: r = v; g = p; b = q; break;
    }
    bgr[0] = uint8_t(b);
    bgr[1] = uint8_t(g);
    bgr[2] = uint8_t(r);
}
