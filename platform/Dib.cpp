#include "platform/Dib.h"

#include "base/QnLittleEndian.h"

#include <algorithm>
#include <climits>

namespace platform {

std::optional<BITMAPFILEHEADER> BITMAPFILEHEADER::Read(std::span<const uint8_t> data)
{
    if (data.size() < kSize)
        return std::nullopt;
    const uint8_t* p = data.data();
    BITMAPFILEHEADER h;
    h.bfType = QnGetLE16(p);
    h.bfSize = QnGetLE32(p + 2);
    h.bfReserved1 = QnGetLE16(p + 6);
    h.bfReserved2 = QnGetLE16(p + 8);
    h.bfOffBits = QnGetLE32(p + 10);
    return h;
}

void BITMAPFILEHEADER::Write(uint8_t* out) const
{
    QnPutLE16(out, bfType);
    QnPutLE32(out + 2, bfSize);
    QnPutLE16(out + 6, bfReserved1);
    QnPutLE16(out + 8, bfReserved2);
    QnPutLE32(out + 10, bfOffBits);
}

std::optional<BITMAPINFOHEADER> BITMAPINFOHEADER::Read(std::span<const uint8_t> data)
{
    if (data.size() < kSize)
        return std::nullopt;
    const uint8_t* p = data.data();
    BITMAPINFOHEADER h;
    h.biSize = QnGetLE32(p);
    h.biWidth = int32_t(QnGetLE32(p + 4));
    h.biHeight = int32_t(QnGetLE32(p + 8));
    h.biPlanes = QnGetLE16(p + 12);
    h.biBitCount = QnGetLE16(p + 14);
    h.biCompression = QnGetLE32(p + 16);
    h.biSizeImage = QnGetLE32(p + 20);
    h.biXPelsPerMeter = int32_t(QnGetLE32(p + 24));
    h.biYPelsPerMeter = int32_t(QnGetLE32(p + 28));
    h.biClrUsed = QnGetLE32(p + 32);
    h.biClrImportant = QnGetLE32(p + 36);
    if (h.biSize < kSize || h.biSize > data.size())
        return std::nullopt;
    return h;
}

void BITMAPINFOHEADER::Write(uint8_t* out) const
{
    QnPutLE32(out, biSize);
    QnPutLE32(out + 4, uint32_t(biWidth));
    QnPutLE32(out + 8, uint32_t(biHeight));
    QnPutLE16(out + 12, biPlanes);
    QnPutLE16(out + 14, biBitCount);
    QnPutLE32(out + 16, biCompression);
    QnPutLE32(out + 20, biSizeImage);
    QnPutLE32(out + 24, uint32_t(biXPelsPerMeter));
    QnPutLE32(out + 28, uint32_t(biYPelsPerMeter));
    QnPutLE32(out + 32, biClrUsed);
    QnPutLE32(out + 36, biClrImportant);
}

size_t BITMAPINFOHEADER::RowBytes() const
{
    return biWidth < 0 ? 0 : size_t(DibRowBytes(uint64_t(biWidth), biBitCount));
}

size_t BITMAPINFOHEADER::PaletteEntries() const
{
    if (biClrUsed)
        return biClrUsed;
    return biBitCount <= 8 ? size_t(1) << biBitCount : 0;
}

int32_t DpiFromPelsPerMeter(int32_t pelsPerMeter) { return int32_t(pelsPerMeter * 0.0254 + 0.5); }

int32_t PelsPerMeterFromDpi(int32_t dpi) { return int32_t(dpi * 100 * 0.39370078740157477); }

namespace {

bool KnownBitCount(unsigned bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

std::optional<DibLayout> Fail(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
    return std::nullopt;
}

// The compressions a bitmap may name that no reader here decodes: a JPEG
// or PNG file inside (meant for printers), and the OS/2 version 2 forms,
// whose codes 3 and 4 mean Huffman and 24-bit run lengths there.
const char* UnreadCompression(uint32_t headerSize, uint32_t compression)
{
    if (headerSize == 12)
        return nullptr;
    if (compression == BI_JPEG && headerSize != 64)
        return "JPEG";
    if (compression == BI_PNG)
        return "PNG";
    if (headerSize == 64 && compression == 3)
        return "OS/2 Huffman coding";
    if (headerSize == 64 && compression == 4)
        return "OS/2 24-bit run lengths";
    return nullptr;
}

} // namespace

std::optional<DibLayout> ReadDibLayout(std::span<const uint8_t> data, std::string* error,
                                       std::optional<size_t> bitsAt)
{
    if (data.size() < 4)
        return Fail(error, "the bitmap header is cut short");
    DibLayout dib;
    dib.headerSize = QnGetLE32(data.data());
    const uint8_t* p = data.data();
    size_t entryBytes = 4;
    if (dib.headerSize == 12) {
        // The OS/2 core header: 16-bit sizes and three-byte colour entries.
        if (data.size() < 12)
            return Fail(error, "the bitmap header is cut short");
        dib.header.biWidth = QnGetLE16(p + 4);
        dib.header.biHeight = QnGetLE16(p + 6);
        dib.header.biPlanes = QnGetLE16(p + 8);
        dib.header.biBitCount = QnGetLE16(p + 10);
        entryBytes = 3;
    } else {
        if (dib.headerSize < BITMAPINFOHEADER::kSize || dib.headerSize > 4096)
            return Fail(error, "the bitmap header has an unknown size");
        const auto header = BITMAPINFOHEADER::Read(data);
        if (!header)
            return Fail(error, "the bitmap header is cut short");
        dib.header = *header;
    }
    BITMAPINFOHEADER& h = dib.header;
    if (const char* unread = UnreadCompression(dib.headerSize, h.biCompression))
        return Fail(error, std::string("the bitmap is compressed with ") + unread + ", which is not supported");
    if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN)
        return Fail(error, "the bitmap has no pixels or an impossible size");
    if (!KnownBitCount(h.biBitCount))
        return Fail(error, "the bitmap has an unknown number of bits per pixel");
    dib.topDown = h.biHeight < 0;
    dib.height = dib.topDown ? -h.biHeight : h.biHeight;

    size_t at = dib.headerSize;
    if (h.biCompression == BI_BITFIELDS || h.biCompression == BI_ALPHABITFIELDS) {
        const unsigned count = h.biCompression == BI_ALPHABITFIELDS ? 4 : 3;
        if (dib.headerSize >= 52) {
            // Version 2 headers and later hold the masks themselves.
            for (unsigned i = 0; i < 4 && 40 + 4 * i + 4 <= dib.headerSize; ++i)
                dib.masks[i] = QnGetLE32(p + 40 + 4 * i);
        } else {
            if (data.size() < at + 4 * count)
                return Fail(error, "the bit-field masks are cut short");
            for (unsigned i = 0; i < count; ++i)
                dib.masks[i] = QnGetLE32(p + at + 4 * i);
            at += 4 * count;
        }
    } else if (dib.headerSize >= 56) {
        dib.masks[3] = QnGetLE32(p + 52);  // alpha of an uncompressed 32-bit version 3+ bitmap
    }

    uint64_t stored = dib.headerSize == 12 ? 0 : h.biClrUsed;
    if (stored == 0 && h.biBitCount <= 8)
        stored = uint64_t(1) << h.biBitCount;
    // An OS/2 core header has no count of colours: a table that ends
    // before the bits start holds only what fits.
    if (dib.headerSize == 12 && bitsAt && *bitsAt >= at && *bitsAt < at + stored * entryBytes)
        stored = (*bitsAt - at) / entryBytes;
    if (stored > 65536)
        return Fail(error, "the colour table is impossibly large");
    if (data.size() < at + stored * entryBytes)
        return Fail(error, "the colour table is cut short");
    const uint64_t usable = h.biBitCount <= 8 ? std::min<uint64_t>(stored, uint64_t(1) << h.biBitCount) : 0;
    dib.palette.resize(size_t(usable));
    for (size_t i = 0; i < usable; ++i) {
        const uint8_t* q = p + at + i * entryBytes;
        dib.palette[i] = RGBQUAD{q[0], q[1], q[2], 0};
    }
    dib.bitsOffset = at + size_t(stored) * entryBytes;
    return dib;
}

std::vector<uint8_t> MakeDibHeader(int32_t width, int32_t height, uint16_t bits, const std::vector<RGBQUAD>& palette,
                                   int32_t hdpi, int32_t vdpi)
{
    BITMAPINFOHEADER h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = bits;
    h.biSizeImage = uint32_t(DibRowBytes(uint64_t(width), bits) * uint64_t(height));
    h.biXPelsPerMeter = PelsPerMeterFromDpi(hdpi);
    h.biYPelsPerMeter = PelsPerMeterFromDpi(vdpi);
    h.biClrUsed = h.biClrImportant = uint32_t(palette.size());
    std::vector<uint8_t> out(BITMAPINFOHEADER::kSize + 4 * palette.size());
    h.Write(out.data());
    uint8_t* q = out.data() + BITMAPINFOHEADER::kSize;
    for (const RGBQUAD& e : palette) {
        q[0] = e.rgbBlue;
        q[1] = e.rgbGreen;
        q[2] = e.rgbRed;
        q[3] = 0;
        q += 4;
    }
    return out;
}

} // namespace platform
