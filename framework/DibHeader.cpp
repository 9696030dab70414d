#include "framework/DibHeader.h"

namespace fw {
namespace {

uint32_t Get32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
void Put32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put16(uint8_t* p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

}  // namespace

std::optional<BitmapInfoHeader> BitmapInfoHeader::Read(std::span<const uint8_t> data)
{
    if (data.size() < kSize)
        return std::nullopt;
    const uint8_t* p = data.data();
    BitmapInfoHeader h;
    h.biSize = Get32(p);
    h.biWidth = static_cast<int32_t>(Get32(p + 4));
    h.biHeight = static_cast<int32_t>(Get32(p + 8));
    h.biPlanes = Get16(p + 12);
    h.biBitCount = Get16(p + 14);
    h.biCompression = Get32(p + 16);
    h.biSizeImage = Get32(p + 20);
    h.biXPelsPerMeter = static_cast<int32_t>(Get32(p + 24));
    h.biYPelsPerMeter = static_cast<int32_t>(Get32(p + 28));
    h.biClrUsed = Get32(p + 32);
    h.biClrImportant = Get32(p + 36);
    if (h.biSize < kSize || h.biSize > data.size())
        return std::nullopt;
    return h;
}

void BitmapInfoHeader::Write(uint8_t* out) const
{
    Put32(out, biSize);
    Put32(out + 4, static_cast<uint32_t>(biWidth));
    Put32(out + 8, static_cast<uint32_t>(biHeight));
    Put16(out + 12, biPlanes);
    Put16(out + 14, biBitCount);
    Put32(out + 16, biCompression);
    Put32(out + 20, biSizeImage);
    Put32(out + 24, static_cast<uint32_t>(biXPelsPerMeter));
    Put32(out + 28, static_cast<uint32_t>(biYPelsPerMeter));
    Put32(out + 32, biClrUsed);
    Put32(out + 36, biClrImportant);
}

size_t BitmapInfoHeader::RowBytes() const
{
    const uint64_t width = biWidth < 0 ? 0 : static_cast<uint64_t>(biWidth);
    return static_cast<size_t>((width * biBitCount + 31) / 32 * 4);
}

size_t BitmapInfoHeader::PaletteEntries() const
{
    if (biClrUsed)
        return biClrUsed;
    return biBitCount <= 8 ? size_t(1) << biBitCount : 0;
}

}  // namespace fw
