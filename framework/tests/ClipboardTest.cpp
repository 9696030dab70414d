// Pictures through the clipboard as packed 24-bit DIBs, rendered on demand.
#include <gtest/gtest.h>

#include <QImage>

#include "framework/Clipboard.h"
#include "platform/Dib.h"

namespace {

// A 3 x 2 picture, bottom-up rows of 9 bytes padded to 12.
std::vector<uint8_t> SmallDib()
{
    platform::BITMAPINFOHEADER h;
    h.biWidth = 3;
    h.biHeight = 2;
    h.biSizeImage = 24;
    std::vector<uint8_t> dib(40 + 24, 0);
    h.Write(dib.data());
    for (int i = 0; i < 9; ++i) {
        dib[40 + i] = static_cast<uint8_t>(10 + i);       // bottom row
        dib[40 + 12 + i] = static_cast<uint8_t>(100 + i);  // top row
    }
    return dib;
}

TEST(Clipboard, DibGoesOutAndComesBackByteForByte)
{
    const auto dib = SmallDib();
    ASSERT_TRUE(fw::Clipboard::SetDib(dib));
    EXPECT_TRUE(fw::Clipboard::HasDib());
    const auto back = fw::Clipboard::GetDib();
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, dib);
    const auto image = fw::Clipboard::DibToImage(dib);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixel(0, 0), qRgb(102, 101, 100));  // top-left: B, G, R bytes
    EXPECT_EQ(image->pixel(2, 1), qRgb(18, 17, 16));
}

TEST(Clipboard, DelayedDibIsMadeOnlyWhenPasted)
{
    int made = 0;
    ASSERT_TRUE(fw::Clipboard::SetDibProvider([&] {
        ++made;
        return SmallDib();
    }));
    EXPECT_EQ(made, 0);
    const auto back = fw::Clipboard::GetDib();
    EXPECT_EQ(made, 1);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, SmallDib());
}

TEST(Clipboard, DamagedDibsAreRefused)
{
    auto shortRows = SmallDib();
    shortRows.resize(50);
    auto badDepth = SmallDib();
    badDepth[14] = 7;
    auto hugeWidth = SmallDib();
    hugeWidth[7] = 0x7F;
    for (const auto& dib : {shortRows, badDepth, hugeWidth, std::vector<uint8_t>(10, 0)})
        EXPECT_FALSE(fw::Clipboard::SetDib(dib));
}

}  // namespace
