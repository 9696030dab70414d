// The pixel work of the mask surface on 8-bit grey DIB bits: raster
// operations on rectangles, the average of a larger drawing down to the mask,
// the box smoothing and the stretch of a brush shape. Kept apart from the
// surface so that the exact values can be checked on their own.
#pragma once

#include "render/Rect.h"

#include <cstddef>
#include <cstdint>

class QImage;

// The pixels of an 8-bit DIB: bottom-up rows of stride bytes, so that row y
// of the picture as seen (0 at the top) lies at height - 1 - y in memory.
struct CLdGreyBits {
    uint8_t* bits = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    size_t stride = 0;

    uint8_t* Row(int32_t y) const { return bits + size_t(height - 1 - y) * stride; }
};

// Raster operation codes of the pattern block transfer.
enum : uint32_t {
    LD_BLACKNESS = 0x00000042,
    LD_DSTINVERT = 0x00550009,
    LD_PATINVERT = 0x005A0049,
    LD_PATCOPY = 0x00F00021,
    LD_WHITENESS = 0x00FF0062,
};

// Bytes of one row of an 8-bit DIB.
constexpr size_t LdGreyStride(int64_t width) { return size_t((width + 3) / 4 * 4); }

// True when the ternary raster operation reads a source, which a pattern
// block transfer has not.
bool LdRopNeedsSource(uint32_t rop);

// Applies the raster operation to the bytes of r (picture coordinates,
// clipped to the bits) with the pattern byte, bit by bit as the ternary
// code's truth table says. The operation must not need a source.
void LdPatBlt(const CLdGreyBits& dst, QnRect r, uint32_t rop, uint8_t pattern);

// Each pixel of mask becomes the integer average of the scale x scale block
// of scaled that starts at (x * scale, y * scale).
void LdDownSample(const CLdGreyBits& scaled, const CLdGreyBits& mask, int32_t scale);

// Each pixel becomes the average of the (2r + 1) x (2r + 1) box round it in
// the pixels as they were, where samples outside the bits count as 255.
void LdBoxSmooth(const CLdGreyBits& bits, int32_t r);

// Stretches the block src of a grey image (Format_Grayscale8) onto the
// rectangle dst of the bits (clipped to them). Growing repeats the nearest
// source pixel; shrinking keeps black, as the system's default stretch mode
// does: the source pixels that fall on one target pixel are combined by AND.
void LdStretchGrey(const QImage& source, const QnRect& src, const CLdGreyBits& bits, const QnRect& dst);
