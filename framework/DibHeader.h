// The 40-byte header of a device-independent bitmap as the clipboard and
// the system's files hold it, read and written field by field in
// little-endian order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace fw {

struct BitmapInfoHeader {
    uint32_t biSize = 40;
    int32_t biWidth = 0;
    int32_t biHeight = 0;  // positive: rows bottom-up
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 24;
    uint32_t biCompression = 0;  // 0: uncompressed (BI_RGB), 3: bit fields
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;

    static constexpr size_t kSize = 40;

    // The header at the start of data, or nothing when data is too short or
    // claims a header size below 40.
    static std::optional<BitmapInfoHeader> Read(std::span<const uint8_t> data);
    void Write(uint8_t* out) const;
    // Bytes of one row, padded to 4.
    size_t RowBytes() const;
    // Colour table entries that follow the header.
    size_t PaletteEntries() const;
};

static_assert(sizeof(BitmapInfoHeader) == BitmapInfoHeader::kSize);
static_assert(offsetof(BitmapInfoHeader, biWidth) == 4);
static_assert(offsetof(BitmapInfoHeader, biHeight) == 8);
static_assert(offsetof(BitmapInfoHeader, biPlanes) == 12);
static_assert(offsetof(BitmapInfoHeader, biBitCount) == 14);
static_assert(offsetof(BitmapInfoHeader, biCompression) == 16);
static_assert(offsetof(BitmapInfoHeader, biSizeImage) == 20);
static_assert(offsetof(BitmapInfoHeader, biXPelsPerMeter) == 24);
static_assert(offsetof(BitmapInfoHeader, biYPelsPerMeter) == 28);
static_assert(offsetof(BitmapInfoHeader, biClrUsed) == 32);
static_assert(offsetof(BitmapInfoHeader, biClrImportant) == 36);

}  // namespace fw
