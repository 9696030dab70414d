#include "filters/edges/EdgesBlend.h"

#include <algorithm>

EdgesColour ColourOf(const RGBColor& background, int16_t planes)
{
    int32_t r = background.red, g = background.green, b = background.blue;
    if (r > 255 || g > 255 || b > 255) {
        r >>= 8;
        g >>= 8;
        b >>= 8;
    }
    EdgesColour c;
    if (planes == 1) {
        c.plane[0] = (r + g + b) / 3;
    } else {
        c.plane[0] = r;
        c.plane[1] = g;
        c.plane[2] = b;
    }
    return c;
}

uint32_t PackedColour(const RGBColor& background)
{
    const EdgesColour c = ColourOf(background, 3);
    return uint32_t(c.plane[0] & 0xFF) << 16 | uint32_t(c.plane[1] & 0xFF) << 8 | uint32_t(c.plane[2] & 0xFF);
}

void ShadowOffset(int32_t shadow, int32_t width, int32_t height, int32_t& dx, int32_t& dy)
{
    const int32_t s = std::max(width, height) * 3 / 100;
    dx = (shadow == 1 || shadow == 3) ? -s : s;
    dy = (shadow == 1 || shadow == 2) ? -s : s;
}

namespace {

// Mask position in 1/16 pixel of picture position p on a side of n pixels.
int32_t MaskPosition(int32_t p, int32_t maskSide, int32_t n) { return int32_t(int64_t(p) * maskSide * 16 / n); }

} // namespace

void BlendRow(const uint8_t* in, uint8_t* out, int32_t planes, int32_t width, int32_t height, int32_t row,
              const EdgeMask& mask, const EdgeMask* blurred, int32_t shadow, const EdgesColour& colour)
{
    const int32_t t = MaskPosition(row, mask.Height(), height);
    const bool withShadow = shadow >= 1 && shadow <= 4 && blurred;
    int32_t dx = 0, dy = 0;
    if (withShadow)
        ShadowOffset(shadow, width, height, dx, dy);
    const int32_t shadowRow = row + dy;
    const bool shadowRowInside = shadowRow > 0 && shadowRow < height;
    for (int32_t j = 0; j < width; ++j) {
        const int32_t m = mask.Weight(MaskPosition(j, mask.Width(), width), t);
        int32_t x = -1;
        if (withShadow && m > kShadowThreshold && shadowRowInside && j + dx > 0 && j + dx < width)
            x = blurred->Weight(MaskPosition(j + dx, blurred->Width(), width),
                                MaskPosition(shadowRow, blurred->Height(), height));
        for (int32_t k = 0; k < planes; ++k) {
            int32_t v = BlendByte(in[j * planes + k], colour.plane[k], m);
            if (x >= 0)
                v = ShadowByte(v, colour.plane[k], x);
            out[j * planes + k] = uint8_t(v);
        }
    }
}
