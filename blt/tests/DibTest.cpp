#include "blt/Dib.h"
#include "render/tests/EndWithoutCollection.h"
#include "render/tests/ExpectRaise.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(QnDib, HeaderPaletteAndBlockFollowTheBitCount)
{
    platform::PALETTEENTRY palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = platform::PALETTEENTRY{uint8_t(i), uint8_t(i + 1), uint8_t(i + 2), 0x55};
    const struct {
        int32_t w, h, bits;
        bool withPalette;
        int32_t wantBits;
        uint32_t entries;
        size_t block;
    } cases[] = {
        {128, 128, 24, false, 24, 0, 40 + 128 * 384},
        {5, 3, 8, false, 24, 0, 40 + 3 * 16}, // no palette: 24 bits
        {5, 3, 1, true, 1, 2, 40 + 8 + 3 * 4},
        {9, 2, 4, true, 4, 16, 40 + 64 + 2 * 8},
        {5, 3, 8, true, 8, 256, 40 + 1024 + 3 * 8},
        {3, 2, 32, true, 32, 0, 40 + 2 * 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bits);
        const PpQnDib dib(c.w, c.h, c.bits, c.withPalette ? palette : nullptr);
        const platform::BITMAPINFOHEADER& h = *dib->header_ptr();
        EXPECT_EQ(h.biSize, 40u);
        EXPECT_EQ(h.biWidth, c.w);
        EXPECT_EQ(h.biHeight, c.h);
        EXPECT_EQ(h.biPlanes, 1);
        EXPECT_EQ(h.biBitCount, c.wantBits);
        EXPECT_EQ(h.biCompression, platform::BI_RGB);
        EXPECT_EQ(h.biSizeImage, 0u);
        EXPECT_EQ(h.biXPelsPerMeter, 300);
        EXPECT_EQ(h.biYPelsPerMeter, 300);
        EXPECT_EQ(h.biClrUsed, c.entries);
        EXPECT_EQ(h.biClrImportant, c.entries);
        EXPECT_EQ(dib->BlockSize(), c.block);
        EXPECT_EQ(dib->byte_ptr(), reinterpret_cast<const uint8_t*>(dib->header_ptr()) + 40 + 4 * c.entries);
        for (uint32_t i = 0; i < c.entries; ++i) {
            const platform::RGBQUAD q = dib->palette_ptr()[i];
            ASSERT_EQ(q.rgbBlue, palette[i].peBlue);
            ASSERT_EQ(q.rgbGreen, palette[i].peGreen);
            ASSERT_EQ(q.rgbRed, palette[i].peRed);
            ASSERT_EQ(q.rgbReserved, 0);
        }
        EXPECT_TRUE(dib->IsRegistered());
        // The last row's last byte is the block's last byte: no overrun.
        std::memset(dib->byte_ptr(), 0xAB, c.h * dib->RowBytes());
    }
}

TEST(QnDib, BadSizesOrBitCountsAreRefused)
{
    platform::PALETTEENTRY palette[2] = {};
    EXPECT_RAISES(PpQnDib(0, 5, 24, nullptr), "Bad DIB format");
    EXPECT_RAISES(PpQnDib(5, -1, 24, nullptr), "Bad DIB format");
    EXPECT_RAISES(PpQnDib(5, 5, 7, palette), "Bad DIB format");
}

// Screen tiles come from a pool of their own; a program that ends without a
// last collection leaves them on the collector's list.
TEST(QnDib, ProgramEndsCleanlyWithDibsStillListed)
{
    rendertest::ExpectCleanEndWithoutCollection([] { return QnPp<QnObj>(PpQnDib(1, 1, 24, nullptr)); });
}

} // namespace
