#include "drawctx/zvwa/WA.h"
#include "drawctx/zvwa/WAConv.h"
#include "drawctx/zvwa/WAPIX.h"

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

TEST(WA, LeadingFieldsAreCountTypeWidthHeight)
{
    WA* wa = new WA(WA_TYPE_4BIT, 7, 3, static_cast<char*>(nullptr));
    const auto* fields = reinterpret_cast<const int32_t*>(wa);
    EXPECT_EQ(fields[0], 1);
    EXPECT_EQ(fields[1], WA_TYPE_4BIT);
    EXPECT_EQ(fields[2], 7);
    EXPECT_EQ(fields[3], 3);
    EXPECT_EQ(wa->RowBytes(), 4u); // 7 nibbles padded to 4 bytes
    WAINFO info;
    wa->GetInfo(&info);
    EXPECT_EQ(info.type, WA_TYPE_4BIT);
    EXPECT_EQ(info.width, 7);
    EXPECT_EQ(info.height, 3);
    EXPECT_EQ(WAAddRef(wa)->refCount, 2);
    WARelease(wa);
    WARelease(wa); // the last release frees it (the sanitizer build watches)
}

TEST(WA, PaletteEntriesPerType)
{
    struct Case {
        int type;
        unsigned entries;
    };
    for (const Case c : {Case{1, 2}, Case{2, 16}, Case{4, 256}, Case{8, 256}, Case{16, 0}}) {
        WA wa(c.type, 2, 2, static_cast<const PALETTEENTRY*>(nullptr));
        PALETTEENTRY out[256];
        EXPECT_EQ(wa.GetPaletteEntries(0, 256, out), c.entries) << c.type;
    }
    const PALETTEENTRY two[2] = {{10, 20, 30, 0}, {40, 50, 60, 0}};
    WA bw(WA_TYPE_1BIT, 8, 1, two);
    PALETTEENTRY out[2];
    ASSERT_EQ(bw.GetPaletteEntries(0, 2, out), 2u);
    EXPECT_EQ(out[1].peGreen, 50);
    EXPECT_EQ(bw.GetPaletteEntries(1, 16, out), 1u);
    EXPECT_EQ(out[0].peRed, 40);
}

TEST(WA, BadTypeOrSizeRaises)
{
    EXPECT_THROW(WA(3, 4, 4, static_cast<char*>(nullptr)), QnExcept);
    EXPECT_THROW(WA(16, 0, 4, static_cast<char*>(nullptr)), QnExcept);
    EXPECT_THROW(WA(16, 4, -1, static_cast<char*>(nullptr)), QnExcept);
}

TEST(WA, PixelsAreCopiedAndRowsCountFromTheBottom)
{
    char bits[8] = {1, 2, 3, 0, 4, 5, 6, 0};
    WA* wa = new WA(WA_TYPE_RGB, 1, 2, bits);
    {
        WAPIX pix(wa, WAPIX_READ);
        EXPECT_EQ(wa->refCount, 2);
        EXPECT_EQ(pix.GetAccessToRow(0)[0], 1);
        EXPECT_EQ(pix.GetAccessToRow(1)[2], 6);
        EXPECT_EQ(pix.GetAccessToRow(2), nullptr);
        EXPECT_EQ(pix.GetAccessToRow(-1), nullptr);
    }
    EXPECT_EQ(wa->refCount, 1);
    WARelease(wa);
    EXPECT_THROW(WAPIX(nullptr, WAPIX_READ), QnExcept);
}

TEST(WAConv, RowConversionsFromAFirstPixel)
{
    const uint8_t bits1[] = {0b10110000};
    std::vector<uint8_t> out(12);
    WA_Conv_1_To_RGB(bits1, 1, 3, out.data());
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 9),
              (std::vector<uint8_t>{0, 0, 0, 255, 255, 255, 255, 255, 255}));
    WA_Conv_1_To_8(bits1, 0, 4, out.data());
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 4), (std::vector<uint8_t>{1, 0, 1, 1}));

    const uint8_t bits4[] = {0x3A, 0x50};
    WA_Conv_4_To_8(bits4, 1, 2, out.data());
    EXPECT_EQ(out[0], 0xA);
    EXPECT_EQ(out[1], 0x5);
    PALETTEENTRY pal[16] = {};
    pal[0xA] = PALETTEENTRY{200, 100, 50, 0};
    WA_Conv_4_To_RGB(bits4, 1, 1, out.data(), pal);
    EXPECT_EQ(out[0], 50); // blue first
    EXPECT_EQ(out[2], 200);

    const uint8_t rgb[] = {0, 0, 0, 30, 60, 90};
    WA_Conv_RGB_To_Gray(rgb, 1, 1, out.data());
    EXPECT_EQ(out[0], 60);
    const uint8_t grey[] = {7, 9};
    WA_Conv_Gray_To_RGB(grey, 1, 1, out.data());
    EXPECT_EQ(out[0], 9);
    EXPECT_EQ(out[2], 9);
}
