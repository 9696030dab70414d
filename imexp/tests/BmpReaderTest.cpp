// Our own BMP and DIB decoder on hand-made files: the compressed forms,
// storage order, bit fields and the colour table checks.
#include <gtest/gtest.h>

#include "MemoryPicture.h"
#include "imexp/ImExp.h"
#include "platform/Dib.h"

namespace {

// A BMP file of the given header fields, colour table and pixel bytes.
std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
                             const std::vector<platform::RGBQUAD>& palette, const std::vector<uint8_t>& pixels,
                             const std::vector<uint32_t>& masks = {})
{
    platform::BITMAPINFOHEADER h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = bits;
    h.biCompression = compression;
    h.biClrUsed = uint32_t(palette.size());
    std::vector<uint8_t> dib(40);
    h.Write(dib.data());
    for (uint32_t m : masks)
        for (int i = 0; i < 4; ++i)
            dib.push_back(uint8_t(m >> (8 * i)));
    for (const auto& q : palette)
        dib.insert(dib.end(), {q.rgbBlue, q.rgbGreen, q.rgbRed, 0});
    platform::BITMAPFILEHEADER f;
    f.bfOffBits = uint32_t(14 + dib.size());
    f.bfSize = uint32_t(f.bfOffBits + pixels.size());
    std::vector<uint8_t> file(14);
    f.Write(file.data());
    file.insert(file.end(), dib.begin(), dib.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

std::vector<platform::RGBQUAD> Palette(int n)
{
    std::vector<platform::RGBQUAD> p;
    for (int i = 0; i < n; ++i)
        p.push_back({uint8_t(i * 10), uint8_t(i * 3), uint8_t(200 - i), 0});
    return p;
}

MemoryPicture Read(const std::vector<uint8_t>& file, imexp::Status* status = nullptr)
{
    MemoryPicture picture;
    const imexp::Status s = imexp::ReadPictureFromMemory(file, picture);
    if (status)
        *status = s;
    else
        EXPECT_TRUE(s) << s.error;
    return picture;
}

std::vector<uint32_t> IndexRow(const MemoryPicture& p, int32_t y)
{
    std::vector<uint32_t> row;
    for (int32_t x = 0; x < p.width; ++x)
        row.push_back(p.Pixel(x, y));
    return row;
}

using Row = std::vector<uint32_t>;

TEST(BmpReader, Rle4RunsLiteralsEndOfLineAndSkips)
{
    // Bottom row: a run of 6 alternating 1, 2; then end of line. Middle
    // row: literal 3, 4, 5, then a skip of 2 right and 1 up; top row: a
    // run of one 7 at column 5; end of picture.
    const std::vector<uint8_t> rle = {6, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 2, 2, 1, 1, 0x70, 0, 1};
    const MemoryPicture p = Read(MakeBmp(6, 3, 4, platform::BI_RLE4, Palette(16), rle));
    EXPECT_EQ(p.type, WA_4BIT);
    EXPECT_EQ(IndexRow(p, 2), (Row{1, 2, 1, 2, 1, 2}));
    EXPECT_EQ(IndexRow(p, 1), (Row{3, 4, 5, 0, 0, 0}));
    EXPECT_EQ(IndexRow(p, 0), (Row{0, 0, 0, 0, 0, 7}));
    EXPECT_EQ(p.palette[3].peRed, 200 - 3);
}

TEST(BmpReader, Rle8WithOddLiteralAndRunsPastTheEdge)
{
    // Literal of 3 bytes padded to 4; a run longer than the row is clipped.
    const std::vector<uint8_t> rle = {0, 3, 9, 8, 7, 0, 5, 1, 0, 0, 2, 4, 0, 1};
    const MemoryPicture p = Read(MakeBmp(4, 2, 8, platform::BI_RLE8, Palette(20), rle));
    EXPECT_EQ(p.type, WA_8BIT);
    EXPECT_EQ(IndexRow(p, 1), (Row{9, 8, 7, 1}));
    EXPECT_EQ(IndexRow(p, 0), (Row{4, 4, 0, 0}));
}

TEST(BmpReader, TopDownAndBottomUpGiveTheSamePicture)
{
    // 2 x 2, 24-bit: rows of 6 bytes padded to 8.
    const std::vector<uint8_t> bottomUp = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    std::vector<uint8_t> topDown(bottomUp.begin() + 8, bottomUp.end());
    topDown.insert(topDown.end(), bottomUp.begin(), bottomUp.begin() + 8);
    const MemoryPicture a = Read(MakeBmp(2, 2, 24, platform::BI_RGB, {}, bottomUp));
    const MemoryPicture b = Read(MakeBmp(2, -2, 24, platform::BI_RGB, {}, topDown));
    EXPECT_EQ(a.bits, b.bits);
    EXPECT_EQ(a.ColourAt(0, 0), (Rgb{9, 8, 7}));  // top-left, stored blue first
}

TEST(BmpReader, HeaderlessDibIsFoundByItsContent)
{
    const auto file = MakeBmp(2, 1, 8, platform::BI_RGB, Palette(4), {3, 1, 0, 0});
    const std::vector<uint8_t> dib(file.begin() + 14, file.end());
    EXPECT_EQ(imexp::DetectFormat(dib), imexp::Format::Dib);
    const MemoryPicture p = Read(dib);
    EXPECT_EQ(IndexRow(p, 0), (Row{3, 1}));
}

TEST(BmpReader, SixteenAndThirtyTwoBitsWithAndWithoutFields)
{
    // 5-5-5 by default: 0x7C00 is full red.
    MemoryPicture p = Read(MakeBmp(2, 1, 16, platform::BI_RGB, {}, {0x00, 0x7C, 0x1F, 0x00}));
    EXPECT_EQ(p.ColourAt(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(p.ColourAt(1, 0), (Rgb{0, 0, 255}));
    // 5-6-5 fields: 0x07E0 is full green.
    p = Read(MakeBmp(1, 1, 16, platform::BI_BITFIELDS, {}, {0xE0, 0x07, 0, 0}, {0xF800, 0x07E0, 0x001F}));
    EXPECT_EQ(p.ColourAt(0, 0), (Rgb{0, 255, 0}));
    // 32-bit fields in an unusual order: red in the low byte.
    p = Read(MakeBmp(1, 1, 32, platform::BI_BITFIELDS, {}, {10, 20, 30, 0}, {0xFF, 0xFF00, 0xFF0000}));
    EXPECT_EQ(p.ColourAt(0, 0), (Rgb{10, 20, 30}));
}

TEST(BmpReader, ColourTablesDecideTheType)
{
    EXPECT_EQ(Read(MakeBmp(8, 1, 1, platform::BI_RGB, {{0, 0, 0, 0}, {255, 255, 255, 0}}, {0xA0, 0, 0, 0})).type,
              WA_1BIT);
    // White-black tables are turned round so that 1 stays white.
    const MemoryPicture inverted =
        Read(MakeBmp(8, 1, 1, platform::BI_RGB, {{255, 255, 255, 0}, {0, 0, 0, 0}}, {0xA0, 0, 0, 0}));
    EXPECT_EQ(inverted.type, WA_1BIT);
    EXPECT_EQ(IndexRow(inverted, 0), (Row{0, 1, 0, 1, 1, 1, 1, 1}));
    // Two other colours in a 1-bit file: a 16-entry palette.
    EXPECT_EQ(Read(MakeBmp(8, 1, 1, platform::BI_RGB, Palette(2), {0xA0, 0, 0, 0})).type, WA_4BIT);
    std::vector<platform::RGBQUAD> ramp;
    for (int i = 0; i < 256; ++i)
        ramp.push_back({uint8_t(i), uint8_t(i), uint8_t(i), 0});
    EXPECT_EQ(Read(MakeBmp(4, 1, 8, platform::BI_RGB, ramp, {0, 1, 2, 3})).type, WA_GRAY);
    ramp[7].rgbRed = 8;
    EXPECT_EQ(Read(MakeBmp(4, 1, 8, platform::BI_RGB, ramp, {0, 1, 2, 3})).type, WA_8BIT);
}

TEST(BmpReader, IndexBeyondTheColourTableIsAnError)
{
    imexp::Status status;
    Read(MakeBmp(4, 1, 8, platform::BI_RGB, Palette(3), {0, 1, 2, 3}), &status);
    EXPECT_FALSE(status);
    EXPECT_NE(status.error.find("colour table"), std::string::npos) << status.error;
    Read(MakeBmp(4, 1, 8, platform::BI_RLE8, Palette(3), {2, 9, 0, 1}), &status);
    EXPECT_FALSE(status);
}

} // namespace
