#include "drawctx/ZvColorRules.h"
#include "drawctx/ZvDrawContext.h"

#include <gtest/gtest.h>

#include "DrawTestSupport.h"

TEST(ColorRules, NaturalAndEffectiveOptionsPerType)
{
    struct Case {
        int type;
        ZV_CDOPT natural;
        ZV_CDOPT requested, effective;
    };
    const Case cases[] = {
        {1, {0, 1, 2, 2}, {1, 0, 16, 7}, {0, 1, 2, 2}},          // optimised >= 2 colours: own palette
        {2, {1, 1, 16, 3}, {1, 0, 16, 15}, {1, 1, 16, 3}},
        {2, {1, 1, 16, 3}, {1, 0, 216, 21}, {1, 0, 216, 21}},    // uniform stays
        {4, {1, 1, 256, 3}, {1, 0, 100, 7}, {1, 0, 100, 7}},     // fewer than its palette
        {8, {0, 0, 256, 0}, {0, 1, 256, 0}, {0, 1, 256, 2}},
        {16, {1, 0, 16777216, 1}, {1, 1, 256, 3}, {1, 0, 16777216, 1}},
        {16, {1, 0, 16777216, 1}, {1, 0, 256, 7}, {1, 0, 256, 7}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZV_CDOPT(ZvNaturalOptions(c.type)), c.natural) << c.type;
        EXPECT_EQ(ZvEffectiveOptions(c.requested, c.type), c.effective) << c.type;
    }
}

TEST(ColorRules, TrueColourOnA256EntryPaletteWith20Reserved)
{
    bool fallback = false;
    const ZV_CDOPT truecolour(1, 0, 16777216, 1);
    EXPECT_EQ(ZvAdjustForPaletteDisplay(truecolour, WA_TYPE_RGB, 0, 256, 20, fallback), ZV_CDOPT(1, 0, 235, 15));
    EXPECT_FALSE(fallback);
    EXPECT_EQ(ZvAdjustForPaletteDisplay(truecolour, WA_TYPE_RGB, 1, 256, 20, fallback), ZV_CDOPT(1, 0, 216, 21));
    EXPECT_TRUE(fallback);
    // A 1-bit picture keeps its own two colours.
    EXPECT_EQ(ZvAdjustForPaletteDisplay(truecolour, WA_TYPE_1BIT, 0, 256, 20, fallback), ZV_CDOPT(0, 1, 2, 2));
    EXPECT_EQ(ZvAdjustForPaletteDisplay(ZV_CDOPT(1, 0, 216, 21), WA_TYPE_4BIT, 1, 256, 20, fallback),
              ZV_CDOPT(1, 0, 216, 21));
}

TEST(ColorRules, SixteenColourDisplay)
{
    struct Case {
        ZV_CDOPT in, out;
    };
    const Case cases[] = {
        {{1, 0, 16, 21}, {1, 0, 16, 21}},
        {{1, 0, 216, 21}, {1, 0, 16, 21}},   // kind 5 has bit 0
        {{1, 0, 256, 15}, {1, 0, 16, 21}},   // optimised (kind 7) too
        {{1, 0, 32768, 2 * 8 | 0}, {0, 0, 4, 18}},
        {{0, 0, 4, 8}, {0, 0, 4, 8}},
        {{0, 0, 16, 8}, {0, 0, 4, 18}},
        {{1, 1, 256, 3}, {1, 0, 16, 21}},
        {{0, 1, 2, 2}, {0, 0, 4, 18}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZvAdjustForLowColorDisplay(c.in), c.out) << c.in.colors << " " << c.in.flags;
}

TEST(ColorRules, SlowAndSupportedOptionsPerDisplay)
{
    const ZvDisplay palette{true, 8, 256, 20}, low{false, 4, 0, 0}, trueColour{};
    const ZV_CDOPT optimised(1, 0, 256, 15), direct(1, 1, 256, 3), grey16(0, 0, 16, 8), huge(1, 0, 16777216, 1);
    EXPECT_EQ(ZvIsFastDrawAllowed(palette, WA_TYPE_RGB, direct), 1);
    EXPECT_EQ(ZvIsFastDrawAllowed(palette, WA_TYPE_8BIT, direct), 0);
    EXPECT_EQ(ZvIsFastDrawAllowed(palette, WA_TYPE_RGB, huge), 1);
    EXPECT_EQ(ZvIsFastDrawAllowed(low, WA_TYPE_RGB, optimised), 0);
    EXPECT_EQ(ZvIsFastDrawAllowed(trueColour, WA_TYPE_RGB, optimised), 1);
    EXPECT_EQ(ZvIsFastDrawAllowed(trueColour, WA_TYPE_RGB, huge), 0);

    int supported = -1;
    EXPECT_EQ(ZvIsOptionAvailable(palette, WA_TYPE_RGB, huge, supported), 1);
    EXPECT_EQ(supported, 0);
    EXPECT_EQ(ZvIsOptionAvailable(low, WA_TYPE_GRAY, grey16, supported), 1);
    EXPECT_EQ(supported, 0);
    EXPECT_EQ(ZvIsOptionAvailable(low, WA_TYPE_8BIT, direct, supported), 1);
    EXPECT_EQ(supported, 0);
    EXPECT_EQ(ZvIsOptionAvailable(trueColour, WA_TYPE_RGB, ZV_CDOPT(1, 0, 100, 5), supported), 0);
    EXPECT_EQ(supported, 0);

    // The exported forms read the recorded display.
    DisplayScope d(palette);
    EXPECT_EQ(IsFastDrawAllowed(WA_TYPE_RGB, huge), 1);
    EXPECT_EQ(IsOptionAvailable(WA_TYPE_RGB, huge, supported), 1);
    EXPECT_EQ(supported, 0);
    EXPECT_EQ(IsFastDrawAllowedForDC(nullptr, WA_TYPE_RGB, huge), 0); // the suite's contexts are 24-bit
}

TEST(ColorRules, DepthRowsKeepTheLastChosenCountInRange)
{
    EXPECT_EQ(ZvDepthTableRow(16)->current, 1048576u);
    EXPECT_EQ(ZvSetDepthCurrent(13, 300), 256u);
    EXPECT_EQ(ZvSetDepthCurrent(13, 8), 16u);
    EXPECT_EQ(ZvSetDepthCurrent(13, 100), 100u);
    EXPECT_EQ(ZvDepthTableRow(13)->current, 100u);
    EXPECT_EQ(ZvDepthTableRow(0), nullptr);
    EXPECT_EQ(ZvDepthTableRow(17), nullptr);
}
