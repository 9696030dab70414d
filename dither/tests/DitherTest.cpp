#include "dither/ZvDither.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

TEST(ZvDither, OptionValidity)
{
    struct Case {
        int colour;
        uint32_t colours, flags;
        int valid;
    };
    const Case cases[] = {
        {0, 2, 2, 1},        {0, 2, 0 | 8, 1},     {0, 16, 0 | 16, 1},  {1, 16, 0, 0},
        {1, 216, 5 | 16, 1}, {1, 16, 5 | 8, 1},    {1, 100, 5, 0},      {1, 235, 7 | 8, 1},
        {1, 300, 7, 0},      {1, 16777216, 1, 1},  {1, 32768, 1, 1},    {1, 256, 3, 0},
        {0, 4, 18 * 8, 1},   {0, 4, 21 * 8, 0},   {0, 4, 18, 1},       {0, 5, 18, 0},    {1, 216, 4, 0},      {0, 257, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZvdIsValidOption(c.colour, c.colours, c.flags), c.valid)
            << c.colour << " " << c.colours << " " << c.flags;
}

TEST(ZvDither, UniformPaletteWithoutDitheringPicksTheNearestLevel)
{
    LOGPALETTE pal;
    ZvdDither* d = ZvdCreateDither(1, 216, 5, nullptr, &pal, 0, 0, 0, 1, 0);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(pal.palNumEntries, 216);
    const uint8_t row[] = {255, 0, 0, 51, 102, 204}; // blue; then r 204, g 102, b 51
    uint8_t out[2];
    ZvdDitherRow(row, out, d);
    EXPECT_EQ(out[0], 5); // (0, 0, 5)
    const PALETTEENTRY& p = pal.palPalEntry[out[1]];
    EXPECT_EQ(p.peRed, 204);
    EXPECT_EQ(p.peGreen, 102);
    EXPECT_EQ(p.peBlue, 51);
    ZvdFreeDither(d);
}

TEST(ZvDither, MidGreyToTwoLevelsKeepsItsMean)
{
    // Bayer and error diffusion both show 50% grey as half white.
    for (const uint32_t method : {2u, 1u}) {
        LOGPALETTE pal;
        ZvdDither* d = ZvdCreateDither(0, 2, 0 | method * 8, nullptr, &pal, 0, 0, 0, 15, 0);
        ASSERT_NE(d, nullptr);
        const std::vector<uint8_t> grey(16, 128);
        int white = 0;
        for (int y = 0; y < 16; ++y) {
            uint8_t out[16];
            ZvdDitherRow(grey.data(), out, d);
            white += std::accumulate(out, out + 16, 0);
        }
        EXPECT_NEAR(white, 128, 4) << method;
        ZvdFreeDither(d);
    }
}

TEST(ZvDither, OptimisedPaletteOfFewColoursIsExact)
{
    ZvdPaletteObj* obj = ZvdCreatePalette();
    ASSERT_NE(obj, nullptr);
    int* table = ZvdGetTable(obj);
    const uint8_t row[] = {0, 0, 200, 0, 0, 200, 10, 250, 10, 255, 255, 255}; // bgr
    for (int i = 0; i < 5; ++i)
        ZvdCountRow(row, 4, table);
    std::vector<uint8_t> work(ZVD_WORK_BLOCK);
    const int n = ZvdColorsToMake(table, work.data(), 256);
    EXPECT_EQ(n, 3);
    LOGPALETTE pal;
    ASSERT_NE(ZvdMakePalette(table, &pal, work.data(), n), 0);
    EXPECT_EQ(pal.palNumEntries, 3);

    ZvdDither* d = ZvdCreateDither(1, 256, 7, table, &pal, 0, 0, 0, 3, 0);
    ASSERT_NE(d, nullptr);
    uint8_t out[4];
    ZvdDitherRow(row, out, d);
    EXPECT_EQ(out[0], out[1]);
    const PALETTEENTRY& red = pal.palPalEntry[out[0]];
    EXPECT_NEAR(red.peRed, 200, 4);
    EXPECT_LT(red.peGreen, 8);
    const PALETTEENTRY& white = pal.palPalEntry[out[3]];
    EXPECT_GT(white.peBlue, 247);
    ZvdFreeDither(d);
    EXPECT_EQ(ZvdCreateDither(1, 256, 7, nullptr, &pal, 0, 0, 0, 3, 0), nullptr);
    ZvdReleaseTable(obj);
    ZvdFreePalette(obj);
}
