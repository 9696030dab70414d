// Our own decoder of BMP files and packed DIBs: 1, 4 and 8-bit paletted
// (uncompressed, RLE4, RLE8), 16 and 32-bit with or without bit fields and
// 24-bit, stored bottom-up or top-down. The header comes from the shared
// DIB codec of the platform library.
#include "imexp/Readers.h"

#include "imexp/Fail.h"
#include "imexp/PaletteMapper.h"
#include "imexp/ReadTarget.h"

#include "base/QnLittleEndian.h"
#include "platform/Dib.h"

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

namespace imexp {

namespace {

using platform::DibLayout;

// One colour channel of a bit-field pixel, scaled to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Channel(uint32_t m) : mask(m)
    {
        if (m) {
            shift = std::countr_zero(m);
            max = m >> shift;
        }
    }
    uint8_t Of(uint32_t pixel) const
    {
        if (!max)
            return 0;
        const uint64_t v = (pixel & mask) >> shift;
        return uint8_t((v * 255 + max / 2) / max);
    }
};

std::vector<PALETTEENTRY> PaletteOf(const DibLayout& dib)
{
    std::vector<PALETTEENTRY> palette;
    for (const platform::RGBQUAD& q : dib.palette)
        palette.push_back(PALETTEENTRY{q.rgbRed, q.rgbGreen, q.rgbBlue, 0});
    return palette;
}

// Rows stored one after another, uncompressed.
void ReadPlainRows(std::span<const uint8_t> bits, const DibLayout& dib, ReadTarget& target)
{
    const platform::BITMAPINFOHEADER& h = dib.header;
    const int32_t width = h.biWidth;
    const int32_t height = dib.height;
    const size_t stride = h.RowBytes();
    const size_t packed = size_t((uint64_t(width) * h.biBitCount + 7) / 8);
    // The last row's padding may be missing; anything shorter is cut off.
    if (bits.size() / stride < size_t(height - 1) || bits.size() - stride * size_t(height - 1) < packed)
        Fail("the pixel data is cut short");
    const auto lineOf = [&](int32_t stored) { return dib.topDown ? stored : height - 1 - stored; };

    if (h.biBitCount <= 8) {
        PaletteMapper mapper(PaletteOf(dib), h.biBitCount);
        target.Begin(width, height, mapper.Type(), mapper.Palette(), mapper.Count(),
                     platform::DpiFromPelsPerMeter(h.biXPelsPerMeter), platform::DpiFromPelsPerMeter(h.biYPelsPerMeter));
        std::vector<uint8_t> indexes(static_cast<size_t>(width));
        for (int32_t r = 0; r < height; ++r) {
            UnpackIndexes(bits.data() + size_t(r) * stride, h.biBitCount, width, indexes.data());
            mapper.MapRow(indexes.data(), width, target.RowBuffer());
            target.PutLine(lineOf(r), target.RowBuffer());
        }
        return;
    }

    target.Begin(width, height, WA_RGB24, nullptr, 0, platform::DpiFromPelsPerMeter(h.biXPelsPerMeter),
                 platform::DpiFromPelsPerMeter(h.biYPelsPerMeter));
    uint8_t* out = target.RowBuffer();
    if (h.biBitCount == 24) {
        // Rows go out straight from the file while their padding is there;
        // a last row whose padding is missing goes out padded from a copy.
        for (int32_t r = 0; r < height; ++r) {
            const uint8_t* in = bits.data() + size_t(r) * stride;
            if (bits.size() - size_t(r) * stride < stride) {
                std::copy_n(in, packed, out);
                std::fill(out + packed, out + stride, uint8_t(0));
                in = out;
            }
            target.PutLine(lineOf(r), in);
        }
        return;
    }
    uint32_t masks[3] = {dib.masks[0], dib.masks[1], dib.masks[2]};
    const bool fields = h.biCompression == platform::BI_BITFIELDS || h.biCompression == platform::BI_ALPHABITFIELDS;
    if (!fields) {
        masks[0] = h.biBitCount == 16 ? 0x7C00 : 0xFF0000;
        masks[1] = h.biBitCount == 16 ? 0x03E0 : 0x00FF00;
        masks[2] = h.biBitCount == 16 ? 0x001F : 0x0000FF;
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    const auto pixelAt = [&](int32_t r, int32_t x) {
        const uint8_t* in = bits.data() + size_t(r) * stride;
        return h.biBitCount == 16 ? uint32_t(QnGetLE16(in + 2 * x)) : QnGetLE32(in + 4 * x);
    };
    // An alpha mask counts only when some pixel uses it: many writers give
    // the mask and leave every alpha at zero, meaning an opaque picture.
    Channel alpha(dib.masks[3]);
    bool anyAlpha = false;
    for (int32_t r = 0; alpha.max && r < height && !anyAlpha; ++r)
        for (int32_t x = 0; x < width && !anyAlpha; ++x)
            anyAlpha = (pixelAt(r, x) & alpha.mask) != 0;
    if (!anyAlpha)
        alpha = Channel(0);
    for (int32_t r = 0; r < height; ++r) {
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t pixel = pixelAt(r, x);
            // Transparency goes over white, as in the other formats.
            const unsigned a = alpha.max ? alpha.Of(pixel) : 255;
            out[3 * x] = OverWhite(blue.Of(pixel), a);
            out[3 * x + 1] = OverWhite(green.Of(pixel), a);
            out[3 * x + 2] = OverWhite(red.Of(pixel), a);
        }
        target.PutLine(lineOf(r), out);
    }
}

// RLE4 and RLE8: runs and literal stretches of indexes, row by row from the
// bottom, with end-of-line, end-of-picture and skip codes. Rows are handed
// over as the stream finishes them, so memory is one row whatever the size;
// pixels that the stream skips are index 0.
void ReadRleRows(std::span<const uint8_t> bits, const DibLayout& dib, ReadTarget& target)
{
    const platform::BITMAPINFOHEADER& h = dib.header;
    if (dib.topDown)
        Fail("a compressed bitmap cannot be stored top-down");
    const bool four = h.biCompression == platform::BI_RLE4;
    if (h.biBitCount != (four ? 4 : 8))
        Fail("the compression does not fit the number of bits per pixel");
    const int32_t width = h.biWidth;
    const int32_t height = dib.height;
    PaletteMapper mapper(PaletteOf(dib), h.biBitCount);
    target.Begin(width, height, mapper.Type(), mapper.Palette(), mapper.Count(),
                 platform::DpiFromPelsPerMeter(h.biXPelsPerMeter), platform::DpiFromPelsPerMeter(h.biYPelsPerMeter));

    std::vector<uint8_t> indexes(size_t(width), 0);
    int32_t row = 0;  // bottom-up
    int32_t x = 0;
    const auto finishRow = [&] {
        mapper.MapRow(indexes.data(), width, target.RowBuffer());
        target.PutRow(row, target.RowBuffer());
        std::fill(indexes.begin(), indexes.end(), 0);
        ++row;
        x = 0;
    };
    // The column never goes past the right edge: runs and skips beyond it
    // are clipped, as Windows draws them, however long the row's codes go on.
    const auto put = [&](uint8_t index) {
        if (x < width)
            indexes[size_t(x++)] = index;
    };
    size_t at = 0;
    const auto need = [&](size_t n) {
        if (bits.size() - at < n)
            Fail("the compressed pixel data is cut short");
    };
    while (row < height) {
        need(2);
        const uint8_t count = bits[at], code = bits[at + 1];
        at += 2;
        if (count) {
            for (unsigned i = 0; i < count && x < width; ++i)
                put(four ? uint8_t(i & 1 ? code & 0x0F : code >> 4) : code);
        } else if (code == 0) {
            finishRow();
        } else if (code == 1) {
            break;
        } else if (code == 2) {
            need(2);
            const int32_t dx = bits[at], dy = bits[at + 1];
            at += 2;
            for (int32_t i = 0; i < dy && row < height; ++i) {
                const int32_t keep = x;
                finishRow();
                x = keep;
            }
            x = std::min(x + dx, width);
        } else {
            const size_t bytes = four ? (code + 1u) / 2 : code;
            const size_t padded = (bytes + 1) & ~size_t(1);
            need(padded);
            for (unsigned i = 0; i < code && x < width; ++i)
                put(four ? uint8_t(i & 1 ? bits[at + i / 2] & 0x0F : bits[at + i / 2] >> 4) : bits[at + i]);
            at += padded;
        }
    }
    while (row < height)
        finishRow();
}

} // namespace

void ReadBmp(std::span<const uint8_t> file, ReadTarget& target, bool headerless)
{
    size_t start = 0;
    std::optional<platform::BITMAPFILEHEADER> fileHeader;
    if (!headerless) {
        fileHeader = platform::BITMAPFILEHEADER::Read(file);
        if (!fileHeader || fileHeader->bfType != 0x4D42)
            Fail("the file header is damaged");
        start = platform::BITMAPFILEHEADER::kSize;
    }
    std::string reason;
    std::optional<size_t> bitsHint;
    if (fileHeader && fileHeader->bfOffBits >= start)
        bitsHint = fileHeader->bfOffBits - start;
    const auto dib = platform::ReadDibLayout(file.subspan(start), &reason, bitsHint);
    if (!dib)
        Fail(reason);
    ReadTarget::CheckSize(dib->header.biWidth, dib->height);

    size_t bitsAt = start + dib->bitsOffset;
    // Trust the file header's offset when it points past the colour table
    // and into the file; some writers leave a gap there.
    if (fileHeader && fileHeader->bfOffBits >= bitsAt && fileHeader->bfOffBits < file.size())
        bitsAt = fileHeader->bfOffBits;
    if (bitsAt > file.size())
        Fail("the pixel data is missing");
    const auto bits = file.subspan(bitsAt);

    switch (dib->header.biCompression) {
    case platform::BI_RGB:
        ReadPlainRows(bits, *dib, target);
        break;
    case platform::BI_BITFIELDS:
    case platform::BI_ALPHABITFIELDS:
        if (dib->header.biBitCount != 16 && dib->header.biBitCount != 32)
            Fail("bit fields are only allowed with 16 or 32 bits per pixel");
        ReadPlainRows(bits, *dib, target);
        break;
    case platform::BI_RLE8:
    case platform::BI_RLE4:
        ReadRleRows(bits, *dib, target);
        break;
    default:
        Fail("the bitmap's compression is not supported");
    }
}

} // namespace imexp
