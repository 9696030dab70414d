// The work-area interfaces through which pictures are read from and written
// to files: a reader hands decoded rows to a CAbstractReadWA, a writer pulls
// rows from a CAbstractWriteWA, and both report to a CProgress that may ask
// them to stop. The picture library implements the two work areas.
//
// Rows are numbered bottom-up as in a DIB (row 0 is the picture's last
// line) and packed as DIB rows: type 1 eight pixels a byte, leftmost in the
// most significant bit, 1 meaning white; type 2 two pixels a byte, leftmost
// in the high nibble; types 4 and 8 one byte a pixel; type 16 blue, green,
// red. A row buffer always holds the padded DIB row (a multiple of 4 bytes).
// A reader announces size, type, palette and resolution before the first
// row; it may hand the rows in any order, each exactly once.
#pragma once

#include <cstdint>

#include "platform/Dib.h"

using platform::PALETTEENTRY;

// Pixel types of a work area (the WA type).
enum WaType : int {
    WA_1BIT = 1,    // black and white; fixed palette black, white
    WA_4BIT = 2,    // 16-entry palette
    WA_8BIT = 4,    // 256-entry palette
    WA_GRAY = 8,    // fixed grey ramp
    WA_RGB24 = 16,  // blue, green, red
};

// Bits per pixel of a type in files and rows (0 for an unknown type).
int WaBitsPerPixel(int type);
// Entries of the type's palette (0 for 24-bit colour).
int WaPaletteSize(int type);

// Where a reader puts a picture. Every operation answers 0 when it took what
// it was given; any other answer, or an exception, ends the read with an
// error. The image and layer arguments are always 0 (one image, one layer).
class CAbstractReadWA {
public:
    virtual ~CAbstractReadWA() = default;
    virtual int SetImageNum(int n) = 0;
    virtual int SetLayersNum(int image, int n) = 0;
    virtual int SetSize(int image, int layer, int width, int height) = 0;
    virtual int SetType(int image, int layer, int type) = 0;
    // count entries: 2 for type 1, 16 for type 2, 256 for types 4 and 8.
    virtual int SetPalette(int image, int layer, PALETTEENTRY* entries, int count) = 0;
    // Dots per inch.
    virtual int SetRes(int image, int layer, int h, int v) = 0;
    virtual int SetRow(int image, int layer, int row, const unsigned char* data) = 0;
};

// What a writer saves a picture from. The same answers as above.
class CAbstractWriteWA {
public:
    virtual ~CAbstractWriteWA() = default;
    virtual int GetImageNum(int& n) const = 0;
    virtual int GetLayersNum(int image, int& n) const = 0;
    virtual int GetSize(int image, int layer, int& width, int& height) const = 0;
    virtual int GetType(int image, int layer, int& type) const = 0;
    // Fills the type's palette size entries.
    virtual int GetPalette(int image, int layer, PALETTEENTRY* out) const = 0;
    virtual int GetRes(int image, int layer, int& h, int& v) const = 0;
    // Writes the packed bytes of row (bottom-up) into out.
    virtual int GetRow(int image, int layer, int row, unsigned char* out) const = 0;
};

// Progress of one read or write. Start before the first row, Step as rows
// go by, End when the work stops (also after a failure). Step answers 0 to
// stop: the read or write then ends as cancelled.
class CProgress {
public:
    virtual ~CProgress() = default;
    virtual void Start() = 0;
    virtual void End() = 0;
    virtual int Step(int32_t done, int32_t total) = 0;
};
