#include "dither/PaletteReduce.h"

#include <gtest/gtest.h>

namespace {

// n well-spread colours: entry i has red i, green 2 i mod 256, blue 37 i mod 256.
LOGPALETTE Spread(int n)
{
    LOGPALETTE p;
    p.palNumEntries = uint16_t(n);
    for (int i = 0; i < n; ++i)
        p.palPalEntry[i] = PALETTEENTRY{uint8_t(i), uint8_t(2 * i), uint8_t(37 * i), 0};
    return p;
}

} // namespace

TEST(PaletteReduce, OneOverTheLimitMergesTheNearestPairIntoItsMean)
{
    LOGPALETTE p;
    p.palNumEntries = 236;
    for (int i = 0; i < 236; ++i) // a coarse grid far from each other
        p.palPalEntry[i] = PALETTEENTRY{uint8_t((i % 6) * 50), uint8_t((i / 6 % 6) * 50), uint8_t((i / 36) * 36), 0};
    // Entries 10 and 200 become the one close pair.
    p.palPalEntry[10] = PALETTEENTRY{101, 7, 203, 0};
    p.palPalEntry[200] = PALETTEENTRY{104, 8, 200, 0};
    const LOGPALETTE before = p;
    std::vector<uint8_t> remap;
    ASSERT_EQ(QnReducePalette(p, 235, remap), 1);
    EXPECT_EQ(p.palNumEntries, 235);
    ASSERT_EQ(remap.size(), 256u);
    EXPECT_EQ(remap[10], remap[200]);
    const PALETTEENTRY& mean = p.palPalEntry[remap[10]];
    EXPECT_EQ(mean.peRed, 103); // (205 + 1) / 2
    EXPECT_EQ(mean.peGreen, 8); // (15 + 1) / 2
    EXPECT_EQ(mean.peBlue, 202);
    // Every other entry keeps its colour under its new number.
    for (int i = 0; i < 236; ++i) {
        if (i == 10 || i == 200)
            continue;
        const PALETTEENTRY& now = p.palPalEntry[remap[size_t(i)]];
        EXPECT_EQ(now.peRed, before.palPalEntry[i].peRed) << i;
        EXPECT_EQ(now.peBlue, before.palPalEntry[i].peBlue) << i;
    }
}

TEST(PaletteReduce, NothingToDoEmptiesTheRemap)
{
    LOGPALETTE p = Spread(20);
    std::vector<uint8_t> remap(256, 7);
    EXPECT_EQ(QnReducePalette(p, 20, remap), 0);
    EXPECT_TRUE(remap.empty());
    EXPECT_EQ(p.palNumEntries, 20);
}

TEST(PaletteReduce, ManyMergesKeepEveryIndexOnASurvivor)
{
    LOGPALETTE p = Spread(256);
    std::vector<uint8_t> remap;
    EXPECT_EQ(QnReducePalette(p, 40, remap), 216);
    EXPECT_EQ(p.palNumEntries, 40);
    for (int i = 0; i < 256; ++i)
        EXPECT_LT(remap[size_t(i)], 40) << i;
}
