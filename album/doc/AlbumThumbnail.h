// The thumbnail an album record keeps of its picture: a packed DIB (info
// header, colour table, bottom-up rows) of at most 80 by 60 pixels in a
// fixed block of 15000 bytes, sampled from a work-area picture by nearest
// neighbour.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/Dib.h"

class WA;

inline constexpr size_t kThumbnailBytes = 15000;
inline constexpr int32_t kThumbnailWidth = 80;
inline constexpr int32_t kThumbnailHeight = 60;

using AlbumThumbnailBlock = std::array<uint8_t, kThumbnailBytes>;

// The largest (80 by 60, 24 bits) fits the block.
static_assert(platform::BITMAPINFOHEADER::kSize + platform::DibRowBytes(kThumbnailWidth, 24) * kThumbnailHeight <=
              kThumbnailBytes);

struct AlbumThumbnailSize {
    int32_t width = 0;
    int32_t height = 0;
};

// A picture of width by height fitted into 80 by 60, keeping its shape; a
// side that would round to nothing keeps one pixel.
AlbumThumbnailSize AlbumThumbnailSizeOf(int32_t width, int32_t height);

// Writes the thumbnail of picture into block; the bytes after the bitmap
// are zero. False, with block untouched, for a picture of no known type.
bool MakeAlbumThumbnail(const WA& picture, AlbumThumbnailBlock& block);

// The layout of the bitmap in a block, or none when its header does not
// describe an uncompressed 1, 4, 8 or 24-bit bitmap that lies wholly inside
// the block (a damaged album file), so that nobody reads past it.
std::optional<platform::DibLayout> AlbumThumbnailLayout(const AlbumThumbnailBlock& block);
