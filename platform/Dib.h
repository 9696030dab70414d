// Device-independent bitmaps: the Windows structures as fixed byte layouts
// (BITMAPFILEHEADER, BITMAPINFOHEADER, RGBQUAD, PALETTEENTRY, COLORREF) and
// the one reader and writer of their headers, shared by packed DIBs (the
// clipboard's and the stored picture form) and BMP files. Fields are read
// and written one by one in little-endian order, never by copying structs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// A colour as 0x00BBGGRR.
using COLORREF = uint32_t;
constexpr COLORREF MakeColorRef(uint8_t r, uint8_t g, uint8_t b) { return r | uint32_t(g) << 8 | uint32_t(b) << 16; }
constexpr uint8_t GetRValue(COLORREF c) { return uint8_t(c); }
constexpr uint8_t GetGValue(COLORREF c) { return uint8_t(c >> 8); }
constexpr uint8_t GetBValue(COLORREF c) { return uint8_t(c >> 16); }

struct RGBQUAD {
    uint8_t rgbBlue = 0;
    uint8_t rgbGreen = 0;
    uint8_t rgbRed = 0;
    uint8_t rgbReserved = 0;
};
static_assert(sizeof(RGBQUAD) == 4);

struct PALETTEENTRY {
    uint8_t peRed = 0;
    uint8_t peGreen = 0;
    uint8_t peBlue = 0;
    uint8_t peFlags = 0;
};
static_assert(sizeof(PALETTEENTRY) == 4);
static_assert(offsetof(PALETTEENTRY, peBlue) == 2);

// Compression codes of the info header.
enum : uint32_t { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3, BI_JPEG = 4, BI_PNG = 5, BI_ALPHABITFIELDS = 6 };

#pragma pack(push, 2)
struct BITMAPFILEHEADER {
    uint16_t bfType = 0x4D42;  // "BM"
    uint32_t bfSize = 0;
    uint16_t bfReserved1 = 0;
    uint16_t bfReserved2 = 0;
    uint32_t bfOffBits = 0;

    static constexpr size_t kSize = 14;
    static std::optional<BITMAPFILEHEADER> Read(std::span<const uint8_t> data);
    void Write(uint8_t* out) const;
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == BITMAPFILEHEADER::kSize);
static_assert(offsetof(BITMAPFILEHEADER, bfSize) == 2);
static_assert(offsetof(BITMAPFILEHEADER, bfOffBits) == 10);

struct BITMAPINFOHEADER {
    uint32_t biSize = 40;
    int32_t biWidth = 0;
    int32_t biHeight = 0;  // positive: rows bottom-up
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 24;
    uint32_t biCompression = BI_RGB;
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;

    static constexpr size_t kSize = 40;

    // The header at the start of data, or nothing when data is too short or
    // claims a header size below 40 or beyond the data.
    static std::optional<BITMAPINFOHEADER> Read(std::span<const uint8_t> data);
    void Write(uint8_t* out) const;
    // Bytes of one row, padded to 4 (0 for a negative width).
    size_t RowBytes() const;
    // Colour table entries that follow the header.
    size_t PaletteEntries() const;
};
static_assert(sizeof(BITMAPINFOHEADER) == BITMAPINFOHEADER::kSize);
static_assert(offsetof(BITMAPINFOHEADER, biWidth) == 4);
static_assert(offsetof(BITMAPINFOHEADER, biHeight) == 8);
static_assert(offsetof(BITMAPINFOHEADER, biPlanes) == 12);
static_assert(offsetof(BITMAPINFOHEADER, biBitCount) == 14);
static_assert(offsetof(BITMAPINFOHEADER, biCompression) == 16);
static_assert(offsetof(BITMAPINFOHEADER, biSizeImage) == 20);
static_assert(offsetof(BITMAPINFOHEADER, biXPelsPerMeter) == 24);
static_assert(offsetof(BITMAPINFOHEADER, biYPelsPerMeter) == 28);
static_assert(offsetof(BITMAPINFOHEADER, biClrUsed) == 32);
static_assert(offsetof(BITMAPINFOHEADER, biClrImportant) == 36);

// Bytes of one DIB row of width pixels at bits per pixel, padded to 4.
constexpr uint64_t DibRowBytes(uint64_t width, unsigned bits) { return (width * bits + 31) / 32 * 4; }

// Dots per inch from pixels per metre and back, rounded as the stored
// picture form does (300 dpi is 11811 pixels per metre).
int32_t DpiFromPelsPerMeter(int32_t pelsPerMeter);
int32_t PelsPerMeterFromDpi(int32_t dpi);

// A packed DIB taken apart: the header (an OS/2 core header or any of the
// longer Windows headers, brought to the 40-byte form), its bit-field masks,
// the colour table and where the pixel bits start. Nothing is checked
// against the pixel data here; the decoder does that.
struct DibLayout {
    BITMAPINFOHEADER header;
    uint32_t headerSize = 0;   // as stored: 12, 40, 52, 56, 108, 124
    bool topDown = false;      // a negative height in the file
    int32_t height = 0;        // rows, always positive
    uint32_t masks[4] = {};    // red, green, blue, alpha (bit fields only)
    std::vector<RGBQUAD> palette;
    size_t bitsOffset = 0;     // from the start of the packed DIB
};

// Takes apart the packed DIB at the start of data. Returns the reason in
// *error and nothing when the header is damaged or its compression is one
// the suite does not read (named in the reason). bitsAt, where a file
// header gives it, is where the pixel bits start: an OS/2 core header's
// colour table ends there when it is shorter than the bit count allows.
std::optional<DibLayout> ReadDibLayout(std::span<const uint8_t> data, std::string* error,
                                       std::optional<size_t> bitsAt = std::nullopt);

// Writes the info header of an uncompressed bottom-up DIB and its colour
// table (palette entries as RGBQUAD); returns the bytes written.
std::vector<uint8_t> MakeDibHeader(int32_t width, int32_t height, uint16_t bits, const std::vector<RGBQUAD>& palette,
                                   int32_t hdpi, int32_t vdpi);

} // namespace platform
