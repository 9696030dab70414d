#include "drawctx/zvwa/WA.h"

#include "base/QnExcept.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

[[noreturn]] void BadPicture()
{
    QnExcept e("Cannot create a picture of this type or size", "WA", __LINE__);
    e.raise();
}

} // namespace

unsigned WA::PaletteSizeOf(int type)
{
    switch (type) {
    case WA_TYPE_1BIT: return 2;
    case WA_TYPE_4BIT: return 16;
    case WA_TYPE_8BIT:
    case WA_TYPE_GRAY: return 256;
    default: return 0;
    }
}

int WA::BitsPerPixelOf(int type)
{
    switch (type) {
    case WA_TYPE_1BIT: return 1;
    case WA_TYPE_4BIT: return 4;
    case WA_TYPE_8BIT:
    case WA_TYPE_GRAY: return 8;
    case WA_TYPE_RGB: return 24;
    default: return 0;
    }
}

WA::WA(int type_, int width_, int height_, char* pixels) : type(type_), width(width_), height(height_)
{
    Init();
    if (pixels)
        std::memcpy(bits_.data(), pixels, bits_.size());
}

WA::WA(int type_, int width_, int height_, const PALETTEENTRY* palette) : type(type_), width(width_), height(height_)
{
    Init();
    if (palette && type != WA_TYPE_GRAY)
        std::copy(palette, palette + palette_.size(), palette_.begin());
}

void WA::Init()
{
    const int bits = BitsPerPixelOf(type);
    if (bits == 0 || width < 1 || height < 1)
        BadPicture();
    const uint64_t rowBytes = platform::DibRowBytes(uint64_t(width), unsigned(bits));
    if (rowBytes > std::numeric_limits<int32_t>::max() || rowBytes * uint64_t(height) > (uint64_t(1) << 40))
        BadPicture();
    rowBytes_ = size_t(rowBytes);
    bits_.assign(rowBytes_ * size_t(height), 0);
    const unsigned entries = PaletteSizeOf(type);
    palette_.resize(entries);
    for (unsigned i = 0; i < entries; ++i) {
        const auto level = uint8_t(entries > 1 ? i * 255 / (entries - 1) : 0);
        palette_[i] = PALETTEENTRY{level, level, level, 0};
    }
}

void WA::GetInfo(WAINFO* info) const
{
    info->type = type;
    info->width = width;
    info->height = height;
    info->bitsPerPixel = BitsPerPixelOf(type);
    info->rowBytes = int32_t(rowBytes_);
    info->paletteEntries = int32_t(palette_.size());
}

unsigned WA::GetPaletteEntries(unsigned short first, unsigned short count, PALETTEENTRY* out) const
{
    if (first >= palette_.size())
        return 0;
    const unsigned n = std::min<unsigned>(count, unsigned(palette_.size()) - first);
    std::copy_n(palette_.begin() + first, n, out);
    return n;
}

unsigned WA::SetPaletteEntries(unsigned short first, unsigned short count, const PALETTEENTRY* entries)
{
    // Grey levels are fixed by the type.
    if (type == WA_TYPE_GRAY || first >= palette_.size())
        return 0;
    const unsigned n = std::min<unsigned>(count, unsigned(palette_.size()) - first);
    std::copy_n(entries, n, palette_.begin() + first);
    return n;
}

WA* WAAddRef(WA* wa)
{
    if (wa)
        ++wa->refCount;
    return wa;
}

void WARelease(WA* wa)
{
    if (wa && --wa->refCount == 0)
        delete wa;
}
