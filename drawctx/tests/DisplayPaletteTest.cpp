#include "drawctx/WaLowColorDrawContext.h"
#include "drawctx/WaPaletteDrawContext.h"
#include "drawctx/WaTrueColorDrawContext.h"
#include "drawctx/ZvColorRules.h"

#include <gtest/gtest.h>

#include <random>

#include "DrawTestSupport.h"

namespace {

// Opens the colour preparation of a draw to the test.
template <class Context>
struct Probe : Context {
    using Context::Context;
    int Prepare()
    {
        this->SettleOptions();
        const int result = this->PrepareColors();
        this->ClearChanges();
        return result;
    }
};

void FillRandom(WA* wa)
{
    std::mt19937 gen(5);
    for (int y = 0; y < wa->height; ++y)
        for (size_t i = 0; i < wa->RowBytes(); ++i)
            wa->Row(y)[i] = uint8_t(gen());
}

const ZvDisplay kPaletteDisplay{true, 8, 256, 20};

bool Same(const PALETTEENTRY& a, const PALETTEENTRY& b)
{
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue;
}

} // namespace

TEST(DisplayPalette, EachDepthOnATrueColourDisplay)
{
    // An 8-bit palette picture whose palette is not the grey ramp.
    PALETTEENTRY colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = PALETTEENTRY{uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0};
    WA* wa = new WA(WA_TYPE_8BIT, 16, 16, colours);
    FillRandom(wa);
    struct Want {
        int entries; // 0: no palette
        int bits;
        size_t table;
    };
    const Want wants[16] = {
        {256, 8, 256}, {2, 8, 256},  {3, 8, 256},   {4, 8, 256},   {16, 8, 256},  {256, 8, 256},
        {16, 8, 256},  {32, 8, 256}, {64, 8, 256},  {216, 8, 256}, {256, 8, 256}, {256, 8, 256},
        {256, 8, 256}, {0, 24, 0},   {0, 24, 0},    {0, 24, 0},
    };
    for (int code = 1; code <= 16; ++code) {
        SCOPED_TRACE(code);
        const ZvDepthRow& row = *ZvDepthTableRow(code);
        Probe<WaTrueColorDrawContext> c(wa, nullptr, ZvDisplay{});
        const uint32_t method = row.direct ? 0 : 2 * 8;
        c.SetDrawOptions(row.color, row.direct, row.current, row.kind | method, 1);
        const Want& w = wants[code - 1];
        // A new palette makes every cached pixel stale; options alone have
        // marked everything to be drawn already.
        EXPECT_EQ(c.Prepare() & WA_PC_ALL_STALE, w.entries ? WA_PC_ALL_STALE : 0);
        c.PrepareBitmapInfo(QnRect{0, 0, 16, 16});
        if (w.entries) {
            ASSERT_NE(c.DisplayPalette(), nullptr);
            EXPECT_EQ(c.DisplayPalette()->palNumEntries, w.entries);
        } else {
            EXPECT_EQ(c.DisplayPalette(), nullptr);
        }
        EXPECT_EQ(c.BandInfo().bits, w.bits);
        EXPECT_EQ(c.BandInfo().table.size(), w.table);
        EXPECT_EQ(c.BandInfo().paletteIndices, w.table > 0);
    }
    // Spot checks of what the entries are.
    Probe<WaTrueColorDrawContext> grey3(wa, nullptr, ZvDisplay{});
    grey3.SetDrawOptions(0, 0, 3, 0, 1);
    grey3.Prepare();
    EXPECT_EQ(grey3.DisplayPalette()->palPalEntry[1].peGreen, 127);
    Probe<WaTrueColorDrawContext> own(wa, nullptr, ZvDisplay{});
    own.Prepare();
    EXPECT_TRUE(Same(own.DisplayPalette()->palPalEntry[10], colours[10]));
    WARelease(wa);
}

TEST(DisplayPalette, TrueColourOnAPaletteDisplay)
{
    DisplayScope d(kPaletteDisplay);
    WaHolder pic(WA_TYPE_RGB, 32, 32);
    FillRandom(pic);
    ContextPtr c(WACreateDrawContext(pic, nullptr));
    auto* p = static_cast<WaPaletteDrawContext*>(c.get());

    c->SetDrawOptions(1, 0, 16777216, 1, 0);
    c->Draw(nullptr, nullptr, nullptr, 0, 0, nullptr);
    EXPECT_EQ(p->EffectiveOptions(), ZV_CDOPT(1, 0, 235, 15)); // optimised, error diffusion
    ASSERT_NE(p->DisplayPalette(), nullptr);
    EXPECT_LE(p->DisplayPalette()->palNumEntries, 235);
    EXPECT_TRUE(p->Remap().empty());

    c->SetDrawOptions(1, 0, 16777216, 1, 1);
    c->Draw(nullptr, nullptr, nullptr, 0, 0, nullptr);
    EXPECT_EQ(p->EffectiveOptions(), ZV_CDOPT(1, 0, 216, 21)); // uniform, Bayer
    EXPECT_EQ(p->DisplayPalette()->palNumEntries, 216);
}

TEST(DisplayPalette, OneBitPictureShowsItsOwnTwoColours)
{
    DisplayScope d(kPaletteDisplay);
    const PALETTEENTRY two[2] = {{0, 0, 128, 0}, {255, 255, 0, 0}};
    WA* wa = new WA(WA_TYPE_1BIT, 8, 8, two);
    ContextPtr c(WACreateDrawContext(wa, nullptr));
    WARelease(wa);
    c->SetDrawOptions(1, 0, 16777216, 1, 0);
    c->Draw(nullptr, nullptr, nullptr, 0, 0, nullptr);
    auto* p = static_cast<WaPaletteDrawContext*>(c.get());
    EXPECT_EQ(p->EffectiveOptions(), ZV_CDOPT(0, 1, 2, 2));
    ASSERT_NE(p->DisplayPalette(), nullptr);
    EXPECT_EQ(p->DisplayPalette()->palNumEntries, 2);
    EXPECT_TRUE(Same(p->DisplayPalette()->palPalEntry[0], two[0]));
    EXPECT_TRUE(Same(p->DisplayPalette()->palPalEntry[1], two[1]));
}

TEST(DisplayPalette, ReducedToTheRoomTheSystemLeaves)
{
    // 256 entries of which 60 are the system's: 195 for the picture.
    DisplayScope d(ZvDisplay{true, 8, 256, 60});
    WaHolder pic(WA_TYPE_RGB, 8, 8);
    Probe<WaPaletteDrawContext> c(pic, nullptr, ZvRecordedDisplay());
    c.SetDrawOptions(1, 0, 216, 5, 1);
    EXPECT_EQ(c.Prepare(), WA_PC_REDRAW_REST | WA_PC_REDRAW_FLAG | WA_PC_ALL_STALE);
    ASSERT_NE(c.DisplayPalette(), nullptr);
    EXPECT_EQ(c.DisplayPalette()->palNumEntries, 195);
    ASSERT_EQ(c.Remap().size(), 256u);
    c.PrepareBitmapInfo(QnRect{0, 0, 8, 8});
    EXPECT_EQ(c.BandInfo().bits, 8);
    for (size_t i = 0; i < 256; ++i)
        EXPECT_EQ(c.BandInfo().table[i], c.Remap()[i]);
    EXPECT_EQ(c.Prepare(), 0); // nothing changed: the palette stays
}

TEST(DisplayPalette, GammaReachesThePaletteOnlyWhenNotIdentity)
{
    WaHolder pic(WA_TYPE_GRAY, 4, 4);
    Probe<WaTrueColorDrawContext> c(pic, nullptr, ZvDisplay{});
    c.SetDrawOptions(0, 0, 4, 0, 1);
    c.Prepare();
    EXPECT_EQ(c.DisplayPalette()->palPalEntry[1].peRed, 85);
    c.SetMonitorGamma(200, 100, 100);
    EXPECT_EQ(c.Prepare(), WA_PC_REDRAW_REST | WA_PC_ALL_STALE);
    EXPECT_EQ(c.DisplayPalette()->palPalEntry[1].peRed, 28); // 255 * (85 / 255)^2
    EXPECT_EQ(c.DisplayPalette()->palPalEntry[1].peGreen, 85);

    // With more than 256 colours the gamma goes to the rows: all is stale.
    Probe<WaTrueColorDrawContext> rgb(pic, nullptr, ZvDisplay{});
    rgb.SetDrawOptions(1, 0, 16777216, 1, 1);
    rgb.Prepare();
    EXPECT_EQ(rgb.DisplayPalette(), nullptr);
    rgb.SetMonitorGamma(150, 150, 150);
    EXPECT_EQ(rgb.Prepare(), WA_PC_REDRAW_REST | WA_PC_ALL_STALE);
}

TEST(DisplayPalette, LowColourDisplayShowsSixteenColours)
{
    WaHolder pic(WA_TYPE_RGB, 4, 4);
    Probe<WaLowColorDrawContext> c(pic, nullptr, ZvDisplay{false, 4, 0, 0});
    EXPECT_EQ(c.Prepare(), WA_PC_REDRAW_REST | WA_PC_ALL_STALE);
    EXPECT_EQ(c.EffectiveOptions(), ZV_CDOPT(1, 0, 16, 21));
    ASSERT_NE(c.DisplayPalette(), nullptr);
    EXPECT_EQ(c.DisplayPalette()->palNumEntries, 16);
    c.PrepareBitmapInfo(QnRect{0, 0, 4, 4});
    EXPECT_EQ(c.BandInfo().table[15], 15);
    EXPECT_EQ(c.BandInfo().table[16], 0);
    EXPECT_EQ(c.Prepare(), 0);
    c.SetDrawOptions(0, 0, 256, 0, 1);
    EXPECT_EQ(c.Prepare(), WA_PC_REDRAW_REST | WA_PC_ALL_STALE);
    EXPECT_EQ(c.EffectiveOptions(), ZV_CDOPT(0, 0, 4, 18));
    EXPECT_EQ(c.DisplayPalette()->palNumEntries, 4);
}
