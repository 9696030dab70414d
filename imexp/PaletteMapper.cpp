#include "imexp/PaletteMapper.h"

#include "imexp/Fail.h"

#include <cstring>

namespace imexp {

namespace {

bool Is(const PALETTEENTRY& e, uint8_t r, uint8_t g, uint8_t b) { return e.peRed == r && e.peGreen == g && e.peBlue == b; }

} // namespace

PaletteMapper::PaletteMapper(const std::vector<PALETTEENTRY>& palette, int bits)
{
    const int n = int(std::min<size_t>(palette.size(), 256));
    for (uint16_t& t : table_)
        t = kBad;
    bool grey = n > 0;
    for (int i = 0; i < n && grey; ++i)
        grey = Is(palette[size_t(i)], uint8_t(i), uint8_t(i), uint8_t(i));
    const bool blackWhite = n == 2 && Is(palette[0], 0, 0, 0) && Is(palette[1], 255, 255, 255);
    const bool whiteBlack = n == 2 && Is(palette[0], 255, 255, 255) && Is(palette[1], 0, 0, 0);
    if (blackWhite || whiteBlack) {
        type_ = WA_1BIT;
        table_[0] = whiteBlack ? 1 : 0;
        table_[1] = whiteBlack ? 0 : 1;
        count_ = 2;
        return;
    }
    if (grey && n > 16) {
        type_ = WA_GRAY;
    } else {
        type_ = bits <= 4 && n <= 16 ? WA_4BIT : WA_8BIT;
        for (int i = 0; i < n; ++i)
            out_[i] = palette[size_t(i)];
        count_ = n;
    }
    for (int i = 0; i < n; ++i)
        table_[i] = uint16_t(i);
}

void PaletteMapper::MapRow(const uint8_t* indexes, int32_t width, uint8_t* out) const
{
    uint16_t bad = 0;
    if (type_ == WA_1BIT) {
        uint8_t byte = 0;
        for (int32_t x = 0; x < width; ++x) {
            const uint16_t v = table_[indexes[x]];
            bad |= v & 0x100;
            byte = uint8_t(byte << 1 | (v & 1));
            if ((x & 7) == 7)
                out[x >> 3] = byte;
        }
        if (width & 7)
            out[width >> 3] = uint8_t(byte << (8 - (width & 7)));
    } else if (type_ == WA_4BIT) {
        for (int32_t x = 0; x < width; ++x) {
            const uint16_t v = table_[indexes[x]];
            bad |= v & 0x100;
            if (x & 1)
                out[x >> 1] = uint8_t(out[x >> 1] | (v & 0x0F));
            else
                out[x >> 1] = uint8_t(v << 4);
        }
    } else {
        for (int32_t x = 0; x < width; ++x) {
            const uint16_t v = table_[indexes[x]];
            bad |= v & 0x100;
            out[x] = uint8_t(v);
        }
    }
    if (bad)
        Fail("a pixel refers to a colour that the colour table does not have");
}

void UnpackIndexes(const uint8_t* packed, int bits, int32_t width, uint8_t* indexes)
{
    if (bits == 8) {
        std::memcpy(indexes, packed, size_t(width));
        return;
    }
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (int32_t x = 0; x < width; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        indexes[x] = uint8_t((packed[x / perByte] >> shift) & mask);
    }
}

} // namespace imexp
