#include "MemoryPicture.h"

#include "platform/Dib.h"

#include <cstring>

MemoryPicture::MemoryPicture(int32_t w, int32_t h, int t) : width(w), height(h), type(t), hdpi(300), vdpi(150)
{
    for (int i = 0; i < 256; ++i)
        palette[size_t(i)] = PALETTEENTRY{uint8_t(i * 37 + 11), uint8_t(255 - i * 5), uint8_t(i * 101 + 3), 0};
    if (type == WA_1BIT)
        palette[0] = {0, 0, 0, 0}, palette[1] = {255, 255, 255, 0};
    if (type == WA_GRAY)
        for (int i = 0; i < 256; ++i)
            palette[size_t(i)] = PALETTEENTRY{uint8_t(i), uint8_t(i), uint8_t(i), 0};
    bits.assign(RowBytes() * size_t(height), 0);
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = bits.data() + size_t(height - 1 - y) * RowBytes();
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t v = uint32_t(x * 7 + y * 13 + (x * y) % 5);
            switch (type) {
            case WA_1BIT: row[x / 8] |= uint8_t(((x + y) / 3 % 2) << (7 - x % 8)); break;
            case WA_4BIT: row[x / 2] |= uint8_t((v % 16) << (x % 2 ? 0 : 4)); break;
            case WA_8BIT:
            case WA_GRAY: row[x] = uint8_t(v); break;
            default:
                // Smooth enough for JPEG, varied enough to catch swapped channels.
                row[3 * x] = uint8_t(x * 4);
                row[3 * x + 1] = uint8_t(y * 4);
                row[3 * x + 2] = uint8_t(128 + (x - y) * 2);
            }
        }
    }
}

size_t MemoryPicture::RowBytes() const
{
    return size_t(platform::DibRowBytes(uint64_t(width), unsigned(WaBitsPerPixel(type))));
}

int MemoryPicture::SetImageNum(int) { calls += 'I'; return 0; }
int MemoryPicture::SetLayersNum(int, int) { calls += 'L'; return 0; }
int MemoryPicture::SetSize(int, int, int w, int h) { calls += 'S'; width = w; height = h; return 0; }
int MemoryPicture::SetType(int, int, int t)
{
    calls += 'T';
    type = t;
    bits.assign(RowBytes() * size_t(height), 0);
    return 0;
}
int MemoryPicture::SetPalette(int, int, PALETTEENTRY* entries, int count)
{
    calls += 'P';
    for (int i = 0; i < count && i < 256; ++i)
        palette[size_t(i)] = entries[i];
    return 0;
}
int MemoryPicture::SetRes(int, int, int h, int v) { calls += 'R'; hdpi = h; vdpi = v; return 0; }
int MemoryPicture::SetRow(int, int, int row, const unsigned char* data)
{
    if (row < 0 || row >= height)
        return 1;
    rowsSeen.push_back(row);
    std::memcpy(bits.data() + size_t(row) * RowBytes(), data, RowBytes());
    return 0;
}

int MemoryPicture::GetImageNum(int& n) const { n = 1; return 0; }
int MemoryPicture::GetLayersNum(int, int& n) const { n = 1; return 0; }
int MemoryPicture::GetSize(int, int, int& w, int& h) const { w = width; h = height; return 0; }
int MemoryPicture::GetType(int, int, int& t) const { t = type; return 0; }
int MemoryPicture::GetPalette(int, int, PALETTEENTRY* out) const
{
    std::memcpy(out, palette.data(), sizeof(PALETTEENTRY) * size_t(WaPaletteSize(type)));
    return 0;
}
int MemoryPicture::GetRes(int, int, int& h, int& v) const { h = hdpi; v = vdpi; return 0; }
int MemoryPicture::GetRow(int, int, int row, unsigned char* out) const
{
    if (row == failGetRowAt)
        return 1;
    const size_t packed = (size_t(width) * size_t(WaBitsPerPixel(type)) + 7) / 8;
    std::memcpy(out, bits.data() + size_t(row) * RowBytes(), packed);
    return 0;
}

uint32_t MemoryPicture::Pixel(int32_t x, int32_t y) const
{
    const uint8_t* row = bits.data() + size_t(height - 1 - y) * RowBytes();
    switch (type) {
    case WA_1BIT: return (row[x / 8] >> (7 - x % 8)) & 1;
    case WA_4BIT: return (row[x / 2] >> (x % 2 ? 0 : 4)) & 15;
    case WA_8BIT:
    case WA_GRAY: return row[x];
    default: return uint32_t(row[3 * x]) << 16 | uint32_t(row[3 * x + 1]) << 8 | row[3 * x + 2];
    }
}

Rgb MemoryPicture::ColourAt(int32_t x, int32_t y) const
{
    const uint32_t p = Pixel(x, y);
    if (type == WA_RGB24)
        return Rgb{uint8_t(p), uint8_t(p >> 8), uint8_t(p >> 16)};
    if (type == WA_1BIT)
        return p ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    if (type == WA_GRAY)
        return Rgb{uint8_t(p), uint8_t(p), uint8_t(p)};
    const PALETTEENTRY& e = palette[p];
    return Rgb{e.peRed, e.peGreen, e.peBlue};
}

std::vector<Rgb> MemoryPicture::Colours() const
{
    std::vector<Rgb> out;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            out.push_back(ColourAt(x, y));
    return out;
}
