#include "drawctx/WaTrueColorDrawContext.h"
#include "drawctx/ZvExcept.h"
#include "drawctx/zvwa/WAPIX.h"

#include <gtest/gtest.h>

#include "DrawTestSupport.h"

namespace {

struct Inverter : ZV_CORRECTCOLORS {
    void CorrectRow(uint8_t* row, int bits, int32_t width) override
    {
        ++calls;
        for (int32_t i = 0; i < width * bits / 8; ++i)
            row[i] = uint8_t(255 - row[i]);
    }
    int calls = 0;
};

} // namespace

TEST(ColorOutput, TrueColourRowsTakeTheClientCorrectionThenGamma)
{
    WaHolder pic(WA_TYPE_RGB, 2, 2);
    WaTrueColorDrawContext c(pic, nullptr, ZvDisplay{});
    uint8_t row[6] = {0, 128, 255, 10, 20, 30};
    c.CorrectOutputRow(row, 24, 2); // gamma 100/100/100, no hook: untouched
    EXPECT_EQ(row[1], 128);

    Inverter inv;
    c.SetColorCorrection(&inv);
    c.SetMonitorGamma(100, 200, 100); // green only
    c.CorrectOutputRow(row, 24, 2);
    EXPECT_EQ(inv.calls, 1);
    EXPECT_EQ(row[0], 255);     // blue inverted, no gamma
    EXPECT_EQ(row[1], 63);      // green 128 inverted to 127, then 127 * 127 / 255
    EXPECT_EQ(row[2], 0);
    uint8_t indices[2] = {5, 6};
    c.CorrectOutputRow(indices, 8, 2); // indexed rows get the hook only
    EXPECT_EQ(indices[0], 250);
}

TEST(ColorOutput, OptimisedPaletteFromThePicturesPixels)
{
    WaHolder pic(WA_TYPE_RGB, 4, 4);
    {
        WAPIX pix(pic, WAPIX_WRITE);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                uint8_t* p = pix.GetAccessToRow(y) + 3 * x;
                p[2] = x < 2 ? 250 : 0; // red left, blue right
                p[0] = x < 2 ? 0 : 250;
            }
    }
    struct Probe : WaTrueColorDrawContext {
        using WaTrueColorDrawContext::WaTrueColorDrawContext;
        using WaOptPalDrawContext::FreePaletteObject;
    };
    Probe c(pic, nullptr, ZvDisplay{});
    c.SetDrawOptions(1, 0, 256, 15, 0);
    c.Draw(nullptr, nullptr, nullptr, 0, 0, nullptr); // settles the options and makes the palette
    ASSERT_TRUE(c.EffectiveOptions().IsOptimized());
    ASSERT_NE(c.DisplayPalette(), nullptr);
    EXPECT_EQ(c.DisplayPalette()->palNumEntries, 2);

    int* table = nullptr;
    LOGPALETTE* palette = nullptr;
    c.GetDitherTables(&table, &palette);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(*palette, *c.DisplayPalette());
    const PALETTEENTRY& red = palette->palPalEntry[table[ZvdCell(250, 0, 0)]];
    EXPECT_GT(red.peRed, 240);
    EXPECT_LT(red.peBlue, 8);
    c.ReleaseDitherTables();

    LOGPALETTE made;
    ASSERT_TRUE(c.MakeOptimizedPalette(256, made));
    EXPECT_EQ(made, *c.DisplayPalette());
    c.FreePaletteObject();
    EXPECT_THROW(c.GetDitherTables(&table, &palette), zvdrawerror);
}
