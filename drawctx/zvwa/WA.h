// The work area: a reference-counted picture in memory, as the drawing
// library and the album hold it. Callers read the four leading 32-bit fields
// directly. Rows are numbered from the bottom (row 0 is the lowest row shown)
// and packed as in a device-independent bitmap, each padded to 4 bytes.
#pragma once

#include "drawctx/zvwa/ZvwaHeap.h"
#include "platform/Dib.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using platform::PALETTEENTRY;

// Picture types: the bits of the type field.
enum : int32_t {
    WA_TYPE_1BIT = 1,   // two palette entries
    WA_TYPE_4BIT = 2,   // 16 entries
    WA_TYPE_8BIT = 4,   // 256 entries
    WA_TYPE_GRAY = 8,   // 8-bit grey levels
    WA_TYPE_RGB = 16,   // 3 bytes per pixel: blue, green, red
};

// What GetInfo fills: type, width and height lead; the rest is ours.
struct WAINFO {
    int32_t type = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
    int32_t rowBytes = 0;
    int32_t paletteEntries = 0;
};
static_assert(offsetof(WAINFO, type) == 0 && offsetof(WAINFO, width) == 4 && offsetof(WAINFO, height) == 8);

class WA : public Zvwa_nd {
public:
    // A picture of the type and size with reference count 1. pixels, when
    // given, holds height packed rows bottom-up and is copied; otherwise the
    // rows start as zero bytes. Types 1, 2 and 4 start with a grey palette
    // (black to white). Raises a QnExcept for an unknown type or a size
    // below 1.
    WA(int type, int width, int height, char* pixels);
    // The same, with the palette's first 2, 16 or 256 entries taken from
    // palette (ignored for types 8 and 16).
    WA(int type, int width, int height, const PALETTEENTRY* palette);
    WA(const WA&) = delete;
    WA& operator=(const WA&) = delete;
    ~WA() = default;

    void GetInfo(WAINFO* info) const;
    // Copies count entries from first into out and answers how many were
    // copied: the palette of types 1, 2 and 4, and the grey ramp of type 8;
    // nothing for type 16.
    unsigned GetPaletteEntries(unsigned short first, unsigned short count, PALETTEENTRY* out) const;
    // Sets palette entries; answers how many were set.
    unsigned SetPaletteEntries(unsigned short first, unsigned short count, const PALETTEENTRY* entries);

    // Entries of the palette of a type (2, 16, 256 for types 1, 2, 4 and
    // 256 grey levels for type 8; 0 for type 16).
    static unsigned PaletteSizeOf(int type);
    static int BitsPerPixelOf(int type);
    size_t RowBytes() const { return rowBytes_; }
    uint8_t* Row(int row) { return bits_.data() + size_t(row) * rowBytes_; }
    const uint8_t* Row(int row) const { return bits_.data() + size_t(row) * rowBytes_; }

    // The leading fields, read directly by holders.
    int32_t refCount = 1;
    int32_t type;
    int32_t width;
    int32_t height;

private:
    void Init();

    size_t rowBytes_ = 0;
    std::vector<PALETTEENTRY> palette_;
    std::vector<uint8_t> bits_;
};

// Reference counting as holders do it: raise the count to keep a picture;
// lower it to release one, destroying it at zero. Both accept null.
WA* WAAddRef(WA* wa);
void WARelease(WA* wa);
