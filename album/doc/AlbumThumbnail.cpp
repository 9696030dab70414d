#include "album/doc/AlbumThumbnail.h"

#include <algorithm>
#include <span>
#include <vector>

#include "album/doc/AlbumDib.h"
#include "drawctx/zvwa/WA.h"

namespace {

// Reads pixel x of a packed row of the given depth (an index, or the first
// of three bytes at 24 bits).
unsigned PixelAt(const uint8_t* row, int64_t x, int bits)
{
    switch (bits) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4: return (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF;
    default: return row[x];
    }
}

void SampleRow(const uint8_t* from, int32_t fromWidth, uint8_t* to, int32_t toWidth, int bits)
{
    for (int32_t j = 0; j < toWidth; ++j) {
        const int64_t x = int64_t(j) * fromWidth / toWidth;
        switch (bits) {
        case 1:
            if (PixelAt(from, x, 1))
                to[j / 8] |= uint8_t(0x80 >> (j % 8));
            break;
        case 4:
            to[j / 2] |= uint8_t(PixelAt(from, x, 4) << (j % 2 ? 0 : 4));
            break;
        case 8:
            to[j] = from[x];
            break;
        default:
            std::copy_n(from + 3 * x, 3, to + 3 * j);
            break;
        }
    }
}

} // namespace

AlbumThumbnailSize AlbumThumbnailSizeOf(int32_t width, int32_t height)
{
    const int64_t w = std::max<int32_t>(width, 1);
    const int64_t h = std::max<int32_t>(height, 1);
    AlbumThumbnailSize size;
    if (h * kThumbnailWidth < w * kThumbnailHeight) {
        size.width = kThumbnailWidth;
        size.height = static_cast<int32_t>(h * kThumbnailWidth / w);
    } else {
        size.width = static_cast<int32_t>(w * kThumbnailHeight / h);
        size.height = kThumbnailHeight;
    }
    // A very long, thin picture would round to an empty bitmap.
    size.width = std::max(size.width, 1);
    size.height = std::max(size.height, 1);
    return size;
}

bool MakeAlbumThumbnail(const WA& picture, AlbumThumbnailBlock& block)
{
    const int bits = WA::BitsPerPixelOf(picture.type);
    if (bits == 0 || picture.width < 1 || picture.height < 1)
        return false;
    const AlbumThumbnailSize size = AlbumThumbnailSizeOf(picture.width, picture.height);
    const auto stride = static_cast<size_t>(platform::DibRowBytes(uint64_t(size.width), unsigned(bits)));

    platform::BITMAPINFOHEADER header;
    header.biWidth = size.width;
    header.biHeight = size.height;
    header.biBitCount = static_cast<uint16_t>(bits);
    header.biSizeImage = static_cast<uint32_t>(stride * size_t(size.height));

    block.fill(0);
    header.Write(block.data());
    uint8_t* at = block.data() + platform::BITMAPINFOHEADER::kSize;
    for (const platform::RGBQUAD& q : DibColourTableOf(picture)) {
        *at++ = q.rgbBlue;
        *at++ = q.rgbGreen;
        *at++ = q.rgbRed;
        *at++ = q.rgbReserved;
    }
    for (int32_t i = 0; i < size.height; ++i) {
        const auto row = static_cast<int32_t>(int64_t(i) * picture.height / size.height);
        SampleRow(picture.Row(row), picture.width, at + size_t(i) * stride, size.width, bits);
    }
    return true;
}

std::optional<platform::DibLayout> AlbumThumbnailLayout(const AlbumThumbnailBlock& block)
{
    auto layout = platform::ReadDibLayout(std::span<const uint8_t>(block.data(), block.size()), nullptr);
    if (!layout)
        return std::nullopt;
    const platform::BITMAPINFOHEADER& h = layout->header;
    const unsigned bits = h.biBitCount;
    if (h.biCompression != platform::BI_RGB || (bits != 1 && bits != 4 && bits != 8 && bits != 24))
        return std::nullopt;
    if (h.biWidth < 1 || h.biWidth > kThumbnailWidth || layout->height > kThumbnailHeight || layout->height < 1)
        return std::nullopt;
    const uint64_t end = layout->bitsOffset + platform::DibRowBytes(uint64_t(h.biWidth), bits) * uint64_t(layout->height);
    if (end > kThumbnailBytes)
        return std::nullopt;
    return layout;
}
