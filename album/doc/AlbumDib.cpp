#include "album/doc/AlbumDib.h"

#include <algorithm>
#include <cstring>

#include "drawctx/zvwa/WA.h"

std::vector<platform::RGBQUAD> DibColourTableOf(const WA& picture)
{
    std::vector<platform::RGBQUAD> table;
    if (picture.type == WA_TYPE_RGB)
        return table;
    if (picture.type == WA_TYPE_GRAY) {
        for (int i = 0; i < 256; ++i)
            table.push_back({uint8_t(i), uint8_t(i), uint8_t(i), 0});
        return table;
    }
    std::vector<PALETTEENTRY> palette(WA::PaletteSizeOf(picture.type));
    picture.GetPaletteEntries(0, static_cast<unsigned short>(palette.size()), palette.data());
    for (const PALETTEENTRY& e : palette)
        table.push_back({e.peBlue, e.peGreen, e.peRed, 0});
    return table;
}

std::vector<uint8_t> PackedDibOf(const WA& picture)
{
    const int bits = WA::BitsPerPixelOf(picture.type);
    if (bits == 0)
        return {};
    std::vector<uint8_t> dib = platform::MakeDibHeader(picture.width, picture.height, uint16_t(bits),
                                                       DibColourTableOf(picture), 0, 0);
    const size_t stride = picture.RowBytes();
    const size_t bitsAt = dib.size();
    dib.resize(bitsAt + stride * size_t(picture.height));
    for (int32_t row = 0; row < picture.height; ++row)
        std::memcpy(dib.data() + bitsAt + size_t(row) * stride, picture.Row(row), stride);
    return dib;
}

namespace {

int TypeOfBitCount(unsigned bits)
{
    switch (bits) {
    case 1: return WA_TYPE_1BIT;
    case 4: return WA_TYPE_4BIT;
    case 8: return WA_TYPE_8BIT;
    case 24: return WA_TYPE_RGB;
    default: return 0;
    }
}

} // namespace

WA* WorkAreaFromDib(std::span<const uint8_t> dib)
{
    const auto layout = platform::ReadDibLayout(dib, nullptr);
    if (!layout || layout->header.biCompression != platform::BI_RGB)
        return nullptr;
    const int type = TypeOfBitCount(layout->header.biBitCount);
    const int32_t width = layout->header.biWidth;
    const int32_t height = layout->height;
    if (type == 0 || width < 1 || height < 1)
        return nullptr;
    const uint64_t stride = platform::DibRowBytes(uint64_t(width), layout->header.biBitCount);
    if (layout->bitsOffset > dib.size() || (dib.size() - layout->bitsOffset) / stride < uint64_t(height))
        return nullptr;

    std::vector<PALETTEENTRY> palette(WA::PaletteSizeOf(type));
    for (size_t i = 0; i < std::min(palette.size(), layout->palette.size()); ++i) {
        const platform::RGBQUAD& q = layout->palette[i];
        palette[i] = PALETTEENTRY{q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
    }
    WA* picture = new WA(type, width, height, palette.empty() ? nullptr : palette.data());
    for (int32_t row = 0; row < height; ++row) {
        // A top-down bitmap keeps its first row at the top.
        const int32_t from = layout->topDown ? height - 1 - row : row;
        std::memcpy(picture->Row(row), dib.data() + layout->bitsOffset + size_t(from) * stride, picture->RowBytes());
    }
    return picture;
}
