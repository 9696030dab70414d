#include "drawctx/zvwa/WAConv.h"

#include "picture/PixelFormulas.h"

namespace {

// Bit x of a 1-bit row, the most significant bit first.
inline int Bit(const uint8_t* src, int x) { return (src[x >> 3] >> (7 - (x & 7))) & 1; }
// Nibble x of a 4-bit row, the high nibble first.
inline int Nibble(const uint8_t* src, int x) { return (x & 1) ? src[x >> 1] & 0x0F : src[x >> 1] >> 4; }

inline uint8_t GrayOf(const PALETTEENTRY& e) { return QnGrayOf(e.peBlue, e.peGreen, e.peRed); }

inline void PutRGB(uint8_t* dst, const PALETTEENTRY& e)
{
    dst[0] = e.peBlue;
    dst[1] = e.peGreen;
    dst[2] = e.peRed;
}

} // namespace

void WA_Conv_1_To_RGB(const uint8_t* src, int first, int count, uint8_t* dst)
{
    for (int i = 0; i < count; ++i, dst += 3)
        dst[0] = dst[1] = dst[2] = Bit(src, first + i) ? 255 : 0;
}

void WA_Conv_1_To_Gray(const uint8_t* src, int first, int count, uint8_t* dst)
{
    for (int i = 0; i < count; ++i)
        dst[i] = Bit(src, first + i) ? 255 : 0;
}

void WA_Conv_1_To_8(const uint8_t* src, int first, int count, uint8_t* dst)
{
    for (int i = 0; i < count; ++i)
        dst[i] = uint8_t(Bit(src, first + i));
}

void WA_Conv_4_To_8(const uint8_t* src, int first, int count, uint8_t* dst)
{
    for (int i = 0; i < count; ++i)
        dst[i] = uint8_t(Nibble(src, first + i));
}

void WA_Conv_Gray_To_RGB(const uint8_t* src, int first, int count, uint8_t* dst)
{
    for (int i = 0; i < count; ++i, dst += 3)
        dst[0] = dst[1] = dst[2] = src[first + i];
}

void WA_Conv_RGB_To_Gray(const uint8_t* src, int first, int count, uint8_t* dst)
{
    src += 3 * first;
    for (int i = 0; i < count; ++i, src += 3)
        dst[i] = QnGrayOf(src[0], src[1], src[2]);
}

void WA_Conv_4_To_RGB(const uint8_t* src, int first, int count, uint8_t* dst, const PALETTEENTRY* palette)
{
    for (int i = 0; i < count; ++i, dst += 3)
        PutRGB(dst, palette[Nibble(src, first + i)]);
}

void WA_Conv_4_To_Gray(const uint8_t* src, int first, int count, uint8_t* dst, const PALETTEENTRY* palette)
{
    for (int i = 0; i < count; ++i)
        dst[i] = GrayOf(palette[Nibble(src, first + i)]);
}

void WA_Conv_8_To_RGB(const uint8_t* src, int first, int count, uint8_t* dst, const PALETTEENTRY* palette)
{
    for (int i = 0; i < count; ++i, dst += 3)
        PutRGB(dst, palette[src[first + i]]);
}

void WA_Conv_8_To_Gray(const uint8_t* src, int first, int count, uint8_t* dst, const PALETTEENTRY* palette)
{
    for (int i = 0; i < count; ++i)
        dst[i] = GrayOf(palette[src[first + i]]);
}
