#include "blt/Dib.h"

#include "base/QnExcept.h"
#include "base/QnMemAlloc.h"
#include "base/QnMemPool.h"

#include <bit>
#include <limits>

// The header is written field by field in little-endian order; reading it
// back through header_ptr() is then only right on a little-endian machine.
static_assert(std::endian::native == std::endian::little, "DIB headers are read in place");

namespace {

// DIB objects are made and dropped with every screen tile: a pool of their own.
QnMemPool& DibPool()
{
    static QnMemPool& pool = QnMemPool::Lasting(sizeof(QnDib));
    return pool;
}

// Header fields of a screen tile: they are never stored in a file.
constexpr int32_t kPelsPerMeter = 300;

int32_t EffectiveBitCount(int32_t bitCount, const platform::PALETTEENTRY* palette)
{
    return palette ? bitCount : 24;
}

[[noreturn]] void RaiseBadFormat(int line)
{
    QnExcept("Bad DIB format", "Dib", line).raise();
}

} // namespace

uint32_t QnDib::PaletteEntries(int32_t bitCount)
{
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

size_t QnDib::CalcBlockSize(int32_t width, int32_t height, int32_t bitCount)
{
    switch (bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: RaiseBadFormat(__LINE__);
    }
    if (width <= 0 || height <= 0)
        RaiseBadFormat(__LINE__);
    const uint64_t row = platform::DibRowBytes(uint64_t(width), unsigned(bitCount));
    return platform::BITMAPINFOHEADER::kSize + 4 * size_t(PaletteEntries(bitCount)) + size_t(height) * row;
}

void* QnDib::operator new(size_t)
{
    if (void* p = DibPool().alloc())
        return p;
    qn_standard_new_handler(0);
}

void QnDib::operator delete(void* p) noexcept { DibPool().free(p); }

QnDib::QnDib(int32_t width, int32_t height, int32_t bitCount, const platform::PALETTEENTRY* palette)
{
    bitCount = EffectiveBitCount(bitCount, palette);
    blockSize_ = CalcBlockSize(width, height, bitCount);
    block_ = static_cast<uint8_t*>(QnOperatorNew(blockSize_, &QnStdAlloc::stdalloc));
    if (!block_)
        qn_standard_new_handler(0);

    const uint32_t entries = PaletteEntries(bitCount);
    platform::BITMAPINFOHEADER h;
    h.biSize = uint32_t(platform::BITMAPINFOHEADER::kSize);
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = uint16_t(bitCount);
    h.biCompression = platform::BI_RGB;
    h.biSizeImage = 0;
    h.biXPelsPerMeter = kPelsPerMeter;
    h.biYPelsPerMeter = kPelsPerMeter;
    h.biClrUsed = entries;
    h.biClrImportant = entries;
    h.Write(block_);
    header_ = reinterpret_cast<const platform::BITMAPINFOHEADER*>(block_);

    uint8_t* quad = block_ + platform::BITMAPINFOHEADER::kSize;
    for (uint32_t i = 0; i < entries; ++i, quad += 4) {
        quad[0] = palette[i].peBlue;
        quad[1] = palette[i].peGreen;
        quad[2] = palette[i].peRed;
        quad[3] = 0;
    }
    bits_ = quad;
}

QnDib::~QnDib() { QnOperatorDelete(block_); }

const platform::RGBQUAD* QnDib::palette_ptr() const
{
    return reinterpret_cast<const platform::RGBQUAD*>(block_ + platform::BITMAPINFOHEADER::kSize);
}

PpQnDib::PpQnDib(int32_t width, int32_t height, int32_t bitCount, const platform::PALETTEENTRY* palette)
    : QnPp(QnCreate<QnDib>(width, height, bitCount, palette))
{
}
