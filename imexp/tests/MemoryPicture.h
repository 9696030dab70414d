// A picture held in memory for the tests: both work areas over packed DIB
// rows, with the calls a reader made recorded, and the pixels as RGB for
// comparison with what other programs decode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imexp/WorkArea.h"

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

class MemoryPicture : public CAbstractReadWA, public CAbstractWriteWA {
public:
    MemoryPicture() = default;
    // A picture of type with a test pattern (and a palette of its own for
    // types 2 and 4) that exercises every bit of every pixel.
    MemoryPicture(int32_t width, int32_t height, int type);

    int SetImageNum(int) override;
    int SetLayersNum(int, int) override;
    int SetSize(int, int, int width, int height) override;
    int SetType(int, int, int type) override;
    int SetPalette(int, int, PALETTEENTRY* entries, int count) override;
    int SetRes(int, int, int h, int v) override;
    int SetRow(int, int, int row, const unsigned char* data) override;

    int GetImageNum(int& n) const override;
    int GetLayersNum(int, int& n) const override;
    int GetSize(int, int, int& width, int& height) const override;
    int GetType(int, int, int& type) const override;
    int GetPalette(int, int, PALETTEENTRY* out) const override;
    int GetRes(int, int, int& h, int& v) const override;
    int GetRow(int, int, int row, unsigned char* out) const override;

    size_t RowBytes() const;
    // Index or grey value (or blue, green, red packed) of the pixel at x, y
    // from the top.
    uint32_t Pixel(int32_t x, int32_t y) const;
    Rgb ColourAt(int32_t x, int32_t y) const;
    // Top-down colours of every pixel.
    std::vector<Rgb> Colours() const;

    int32_t width = 0, height = 0;
    int type = 0;
    std::vector<PALETTEENTRY> palette = std::vector<PALETTEENTRY>(256);
    int hdpi = 0, vdpi = 0;
    std::vector<uint8_t> bits;       // bottom-up rows of RowBytes()
    std::vector<int> rowsSeen;       // SetRow calls, in order
    std::string calls;               // first letters of the set calls, in order
    int failGetRowAt = -1;           // GetRow answers 1 for this row
    int rowsGiven = 0;
};
