// Thumbnails: the fitted size, the packed DIB header and colour table of
// each picture type, and nearest-neighbour sampling of the rows.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "album/doc/AlbumThumbnail.h"
#include "drawctx/zvwa/WA.h"

namespace {

using Picture = std::unique_ptr<WA, void (*)(WA*)>;

Picture MakePicture(int type, int width, int height, const std::vector<PALETTEENTRY>& palette = {})
{
    return Picture(new WA(type, width, height, palette.empty() ? nullptr : palette.data()), WARelease);
}

std::vector<uint8_t> Bytes(const AlbumThumbnailBlock& block, size_t from, size_t count)
{
    return {block.begin() + from, block.begin() + from + count};
}

// The 40-byte info header, written out: width, height, bit count, image size.
std::vector<uint8_t> Header(uint8_t w, uint8_t h, uint8_t bits, uint16_t imageSize)
{
    return {40, 0, 0, 0,  w, 0, 0, 0,  h, 0, 0, 0,  1, 0, bits, 0,  0, 0, 0, 0,
            uint8_t(imageSize), uint8_t(imageSize >> 8), 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0};
}

TEST(AlbumThumbnail, FitsIntoEightyBySixtyKeepingShape)
{
    struct Case { int32_t w, h, tw, th; };
    const Case cases[] = {
        {100, 10, 80, 8}, {10, 100, 6, 60}, {80, 60, 80, 60}, {2, 2, 60, 60},
        {160, 120, 80, 60}, {4000, 3000, 80, 60},
        // So thin that the short side would round to nothing: one pixel.
        {1000, 1, 80, 1}, {1, 1000, 1, 60},
    };
    for (const Case& c : cases) {
        const AlbumThumbnailSize size = AlbumThumbnailSizeOf(c.w, c.h);
        EXPECT_EQ(size.width, c.tw) << c.w << "x" << c.h;
        EXPECT_EQ(size.height, c.th) << c.w << "x" << c.h;
    }
}

TEST(AlbumThumbnail, OneBitRowsRepeatEachPixelAndCarryThePalette)
{
    // 8 by 6 gives 80 by 60: every picture pixel becomes ten.
    auto picture = MakePicture(WA_TYPE_1BIT, 8, 6, {{10, 20, 30, 0}, {200, 100, 50, 0}});
    for (int y = 0; y < 6; ++y)
        picture->Row(y)[0] = y == 0 ? 0xB2 : 0x01;  // 1011 0010 on the bottom row
    AlbumThumbnailBlock block;
    block.fill(0xEE);
    ASSERT_TRUE(MakeAlbumThumbnail(*picture, block));

    EXPECT_EQ(Bytes(block, 0, 40), Header(80, 60, 1, 12 * 60));
    EXPECT_EQ(Bytes(block, 40, 8), (std::vector<uint8_t>{30, 20, 10, 0, 50, 100, 200, 0}));
    const std::vector<uint8_t> bottom = {0xFF, 0xC0, 0x0F, 0xFF, 0xFF, 0x00, 0x00, 0x0F, 0xFC, 0x00, 0, 0};
    const std::vector<uint8_t> other = {0, 0, 0, 0, 0, 0, 0, 0, 0x03, 0xFF, 0, 0};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Bytes(block, 48 + 12 * i, 12), bottom) << "row " << i;
    EXPECT_EQ(Bytes(block, 48 + 12 * 10, 12), other);
    EXPECT_EQ(Bytes(block, 48 + 12 * 59, 12), other);
    // Nothing of the old block is left after the bitmap.
    const size_t end = 48 + 12 * 60;
    EXPECT_EQ(Bytes(block, end, kThumbnailBytes - end), std::vector<uint8_t>(kThumbnailBytes - end, 0));
}

TEST(AlbumThumbnail, FourBitRowsPackTwoPixelsHighNibbleFirst)
{
    std::vector<PALETTEENTRY> palette(16);
    palette[15] = {1, 2, 3, 0};
    auto picture = MakePicture(WA_TYPE_4BIT, 2, 2, palette);
    picture->Row(0)[0] = 0x3A;
    picture->Row(1)[0] = 0x51;
    AlbumThumbnailBlock block{};
    ASSERT_TRUE(MakeAlbumThumbnail(*picture, block));

    EXPECT_EQ(Bytes(block, 0, 40), Header(60, 60, 4, 32 * 60));
    EXPECT_EQ(Bytes(block, 40 + 4 * 15, 4), (std::vector<uint8_t>{3, 2, 1, 0}));
    const size_t bits = 40 + 16 * 4;
    std::vector<uint8_t> low(15, 0x33), high(15, 0x55);
    low.insert(low.end(), 15, 0xAA);
    high.insert(high.end(), 15, 0x11);
    low.insert(low.end(), 2, 0);
    high.insert(high.end(), 2, 0);
    EXPECT_EQ(Bytes(block, bits, 32), low);
    EXPECT_EQ(Bytes(block, bits + 32 * 29, 32), low);
    EXPECT_EQ(Bytes(block, bits + 32 * 30, 32), high);
    EXPECT_EQ(Bytes(block, bits + 32 * 59, 32), high);
}

TEST(AlbumThumbnail, GreyPicturesGetAGreyRampAndColourCopiesTriplets)
{
    auto grey = MakePicture(WA_TYPE_GRAY, 10, 100);
    grey->Row(0)[9] = 0x77;
    AlbumThumbnailBlock block{};
    ASSERT_TRUE(MakeAlbumThumbnail(*grey, block));
    EXPECT_EQ(Bytes(block, 0, 40), Header(6, 60, 8, 8 * 60));
    EXPECT_EQ(Bytes(block, 40 + 4 * 128, 4), (std::vector<uint8_t>{128, 128, 128, 0}));
    // Pixel 5 of the thumbnail samples picture pixel 5 * 10 / 6 = 8, not 9.
    EXPECT_EQ(Bytes(block, 40 + 1024, 8), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0}));

    auto colour = MakePicture(WA_TYPE_RGB, 2, 1);
    const uint8_t red[] = {0, 0, 255}, blue[] = {255, 0, 0};
    std::copy(red, red + 3, colour->Row(0));
    std::copy(blue, blue + 3, colour->Row(0) + 3);
    ASSERT_TRUE(MakeAlbumThumbnail(*colour, block));
    EXPECT_EQ(Bytes(block, 0, 40), Header(80, 40, 24, 240 * 40));
    for (size_t row : {size_t(0), size_t(39)}) {
        const auto bytes = Bytes(block, 40 + 240 * row, 240);
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 117, bytes.begin() + 123),
                  (std::vector<uint8_t>{0, 0, 255, 255, 0, 0}));
        EXPECT_EQ(bytes[0], 0);
        EXPECT_EQ(bytes[239], 0);
        EXPECT_EQ(bytes[2], 255);
        EXPECT_EQ(bytes[237], 255);
    }
}

TEST(AlbumThumbnail, LayoutRefusesHeadersThatReachPastTheBlock)
{
    auto picture = MakePicture(WA_TYPE_RGB, 80, 60);
    AlbumThumbnailBlock block{};
    ASSERT_TRUE(MakeAlbumThumbnail(*picture, block));
    const auto good = AlbumThumbnailLayout(block);
    ASSERT_TRUE(good.has_value());
    EXPECT_EQ(good->bitsOffset, 40u);
    EXPECT_EQ(good->height, 60);

    struct Damage { size_t offset; uint8_t value; };
    for (const Damage d : {Damage{4, 200}, Damage{8, 200}, Damage{14, 32}, Damage{16, 1}, Damage{0, 0}}) {
        AlbumThumbnailBlock damaged = block;
        damaged[d.offset] = d.value;
        EXPECT_FALSE(AlbumThumbnailLayout(damaged).has_value()) << "byte " << d.offset;
    }
    EXPECT_FALSE(AlbumThumbnailLayout(AlbumThumbnailBlock{}).has_value());
}

} // namespace
