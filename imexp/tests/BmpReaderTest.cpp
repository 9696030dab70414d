// Our own BMP and DIB decoder on hand-made files: the compressed forms,
// storage order, bit fields and the colour table checks.
#include <gtest/gtest.h>

#include <array>
#include <span>

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

// A row sink that copies the padded length of every row it is handed, and
// notes a row that lies in the file's bytes without its padding there.
class PaddedRowSink : public MemoryPicture {
public:
    explicit PaddedRowSink(std::span<const uint8_t> file) : file_(file) {}
    int SetRow(int image, int layer, int row, const unsigned char* data) override
    {
        const uint8_t* end = file_.data() + file_.size();
        if (data >= file_.data() && data < end && size_t(end - data) < RowBytes())
            shortRows.push_back(row);
        return MemoryPicture::SetRow(image, layer, row, data);
    }
    std::vector<int> shortRows;

private:
    std::span<const uint8_t> file_;
};

TEST(BmpReader, ALastRowWithoutPaddingIsHandedOverPadded)
{
    // 1 x 2, 24-bit: the first stored row padded to 4 bytes, the last one
    // ending the file after its 3 bytes.
    const auto file = MakeBmp(1, 2, 24, platform::BI_RGB, {}, {1, 2, 3, 0, 4, 5, 6});
    PaddedRowSink sink(file);
    const imexp::Status status = imexp::ReadPictureFromMemory(file, sink);
    ASSERT_TRUE(status) << status.error;
    EXPECT_TRUE(sink.shortRows.empty());
    EXPECT_EQ(sink.ColourAt(0, 0), (Rgb{6, 5, 4}));
    EXPECT_EQ(sink.ColourAt(0, 1), (Rgb{3, 2, 1}));
}

TEST(BmpReader, EndlessRowsStopAtTheRightEdge)
{
    // A 4 x 1 picture whose only row goes on for 9 million runs of 255
    // pixels, or 9 million skips of 255 columns, before it ends: the column
    // would pass 2^31 if it were not held at the edge.
    struct Case {
        const char* name;
        std::vector<uint8_t> code;
        Row expected;
    };
    const Case cases[] = {
        {"runs", {255, 3}, Row{3, 3, 3, 3}},
        {"skips", {0, 2, 255, 0}, Row{0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> rle;
        rle.reserve(c.code.size() * 9'000'000 + 8);
        for (int i = 0; i < 9'000'000; ++i)
            rle.insert(rle.end(), c.code.begin(), c.code.end());
        rle.insert(rle.end(), {0, 1});
        for (const uint32_t bits : {8u, 4u}) {
            std::vector<uint8_t> stream = rle;
            if (bits == 4 && c.code[0] == 255)
                for (size_t i = 1; i < stream.size() - 2; i += 2)
                    stream[i] = 0x33;
            const MemoryPicture p =
                Read(MakeBmp(4, 1, uint16_t(bits), bits == 8 ? platform::BI_RLE8 : platform::BI_RLE4,
                             Palette(16), stream));
            EXPECT_EQ(IndexRow(p, 0), c.expected) << c.name << ", " << bits << " bits";
        }
    }
}

// A BMP with a version 4 or 5 header (108 or 124 bytes) holding its masks.
std::vector<uint8_t> MakeV4Bmp(uint32_t headerSize, int32_t width, uint16_t bits, uint32_t compression,
                               const std::array<uint32_t, 4>& masks, const std::vector<uint8_t>& pixels)
{
    std::vector<uint8_t> file = MakeBmp(width, 1, bits, compression, {}, pixels);
    std::vector<uint8_t> extra(headerSize - 40, 0);
    for (int m = 0; m < 4; ++m)
        for (int i = 0; i < 4; ++i)
            extra[size_t(4 * m + i)] = uint8_t(masks[size_t(m)] >> (8 * i));
    file.insert(file.begin() + 14 + 40, extra.begin(), extra.end());
    file[14] = uint8_t(headerSize);
    const uint32_t offset = 14 + headerSize;
    for (int i = 0; i < 4; ++i)
        file[size_t(10 + i)] = uint8_t(offset >> (8 * i));
    return file;
}

TEST(BmpReader, AlphaGoesOverWhite)
{
    const std::array<uint32_t, 4> argb = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    // 32-bit: an opaque red, a fully transparent blue, half-covered black.
    const std::vector<uint8_t> pixels = {0, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0, 128};
    for (const uint32_t header : {108u, 124u}) {
        const MemoryPicture p = Read(MakeV4Bmp(header, 3, 32, platform::BI_BITFIELDS, argb, pixels));
        EXPECT_EQ(p.ColourAt(0, 0), (Rgb{255, 0, 0})) << header;
        EXPECT_EQ(p.ColourAt(1, 0), (Rgb{255, 255, 255})) << header;
        EXPECT_EQ(p.ColourAt(2, 0), (Rgb{127, 127, 127})) << header;
    }
    // Alpha bit fields after a 40-byte header.
    MemoryPicture p = Read(MakeBmp(3, 1, 32, platform::BI_ALPHABITFIELDS, {}, pixels,
                                   {argb[0], argb[1], argb[2], argb[3]}));
    EXPECT_EQ(p.ColourAt(1, 0), (Rgb{255, 255, 255}));
    // 16-bit 4-4-4-4: a transparent pixel and an opaque green one.
    p = Read(MakeV4Bmp(108, 2, 16, platform::BI_BITFIELDS, {0x0F00, 0x00F0, 0x000F, 0xF000},
                       {0x0F, 0x0F, 0xF0, 0xF0}));
    EXPECT_EQ(p.ColourAt(0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(p.ColourAt(1, 0), (Rgb{0, 255, 0}));
    // An alpha mask whose every alpha is zero means an opaque picture.
    p = Read(MakeV4Bmp(108, 1, 32, platform::BI_BITFIELDS, argb, {10, 20, 30, 0}));
    EXPECT_EQ(p.ColourAt(0, 0), (Rgb{30, 20, 10}));
}

TEST(BmpReader, CompressionsNotReadAreNamed)
{
    struct Case {
        uint32_t headerSize;
        uint16_t bits;
        uint32_t compression;
        const char* named;
    };
    const Case cases[] = {
        {40, 0, platform::BI_JPEG, "JPEG"},
        {40, 0, platform::BI_PNG, "PNG"},
        {64, 1, 3, "Huffman"},
        {64, 24, 4, "run lengths"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> file = MakeBmp(8, 1, c.bits, c.compression, {}, {0, 0, 0, 0, 0, 0, 0, 0});
        if (c.headerSize != 40) {
            file.insert(file.begin() + 14 + 40, c.headerSize - 40, 0);
            file[14] = uint8_t(c.headerSize);
        }
        imexp::Status status;
        Read(file, &status);
        EXPECT_FALSE(status);
        EXPECT_NE(status.error.find(c.named), std::string::npos) << status.error;
        EXPECT_NE(status.error.find("not supported"), std::string::npos) << status.error;
    }
}

TEST(BmpReader, Os2ColourTableEndsWhereTheBitsStart)
{
    // An OS/2 core header, a 4-bit picture with a colour table of 3
    // three-byte entries, which the file header's offset says.
    std::vector<uint8_t> file(14 + 12);
    file[0] = 'B';
    file[1] = 'M';
    const uint32_t offset = 14 + 12 + 9;
    file[10] = uint8_t(offset);
    file[14] = 12;
    file[18] = 2;   // width
    file[20] = 1;   // height
    file[22] = 1;   // planes
    file[24] = 4;   // bits
    file.insert(file.end(), {0, 0, 0, 255, 255, 255, 0, 0, 255});
    file.insert(file.end(), {0x12, 0, 0, 0});
    file[2] = uint8_t(file.size());
    const MemoryPicture p = Read(file);
    EXPECT_EQ(p.ColourAt(0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(p.ColourAt(1, 0), (Rgb{255, 0, 0}));
}

} // namespace
