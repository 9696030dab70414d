#include "drawctx/WaLayeredStretcher.h"
#include "drawctx/WaRowProducer.h"
#include "drawctx/WaTrueColorDrawContext.h"
#include "drawctx/zvwa/WAPIX.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "DrawTestSupport.h"

namespace {

// Fills every byte of the picture's rows from a fixed generator.
void FillRandom(WA* wa, unsigned seed)
{
    std::mt19937 gen(seed);
    for (int y = 0; y < wa->height; ++y)
        for (size_t i = 0; i < wa->RowBytes(); ++i)
            wa->Row(y)[i] = uint8_t(gen());
}

// The source column (or row) of client x: the pixel under the image of the
// pixel's centre, held inside the picture as the edge rule holds it.
int32_t NearestSource(const XFFACT& f, int32_t x, int32_t size)
{
    const double v = std::floor(f.Map().geta() * (x + 0.5) + f.Map().getb());
    return int32_t(std::clamp(v, 0.0, double(size - 1)));
}

struct DirectRows {
    WaTrueColorDrawContext context;
    DirectRows(WA* wa) : context(wa, nullptr, ZvDisplay{}) {}
    int* table = nullptr;
    LOGPALETTE* palette = nullptr;
    WaRowProducer Producer(int32_t left, int32_t right, int32_t x0 = 0, int32_t y0 = 0)
    {
        context.GetDitherTables(&table, &palette);
        return WaRowProducer(context, context.EffectiveOptions(), table, palette, x0, y0, left, right);
    }
};

} // namespace

TEST(RowProducer, StretchedRowsTakeTheNearestSample)
{
    WaHolder pic(WA_TYPE_RGB, 13, 9);
    FillRandom(pic, 1);
    struct Case {
        const char* name;
        QnRect client, picture;
    };
    const Case cases[] = {
        {"upright 1:1", {0, 0, 13, 9}, {0, 9, 13, 0}},
        {"zoom 3", {5, 2, 44, 29}, {0, 9, 13, 0}},
        {"zoom 1/4", {0, 0, 4, 3}, {0, 9, 16, 0}},
        {"zoom 5/3 moved", {-7, -4, 15, 11}, {0, 9, 13, 0}},
        {"past the edges", {10, 10, 30, 30}, {-3, 12, 17, -2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectRows rows(pic);
        rows.context.SetXF(c.client, c.picture, 0);
        const ZVXFORM xf = rows.context.GetXF();
        const int32_t left = c.client.left - 2, right = c.client.right + 2;
        WaRowProducer p = rows.Producer(left, right);
        ASSERT_EQ(p.Mode(), WA_ROWS_RGB);
        ASSERT_EQ(p.OutputBits(), 24);
        ASSERT_FALSE(p.Dithers());
        std::vector<uint8_t> out(size_t(right - left) * 3);
        for (int32_t y = c.client.top - 1; y < c.client.bottom + 1; ++y) {
            p.ProduceRow(y, out.data());
            const uint8_t* source = pic->Row(NearestSource(xf.Y, y, pic->height));
            for (int32_t x = left; x < right; ++x) {
                const uint8_t* want = source + 3 * NearestSource(xf.X, x, pic->width);
                const uint8_t* got = out.data() + 3 * (x - left);
                ASSERT_TRUE(std::equal(want, want + 3, got)) << x << "," << y;
            }
        }
    }
}

TEST(RowProducer, ModeOutputAndDitheringByPictureAndOptions)
{
    struct Case {
        int type;
        ZV_CDOPT options;
        bool layered;
        int mode, bits;
        bool dithers;
    };
    const Case cases[] = {
        {WA_TYPE_RGB, {1, 0, 16777216, 1}, false, WA_ROWS_RGB, 24, false},
        {WA_TYPE_RGB, {1, 0, 32768, 1}, false, WA_ROWS_RGB, 24, true},
        {WA_TYPE_RGB, {1, 0, 216, 21}, false, WA_ROWS_RGB, 8, true},
        {WA_TYPE_RGB, {0, 0, 256, 0}, false, WA_ROWS_GRAY, 8, false},
        {WA_TYPE_RGB, {0, 0, 4, 16}, false, WA_ROWS_GRAY, 8, true},
        {WA_TYPE_GRAY, {0, 1, 256, 2}, false, WA_ROWS_GRAY, 8, false},
        {WA_TYPE_GRAY, {1, 0, 16, 5}, false, WA_ROWS_RGB, 8, true},
        {WA_TYPE_1BIT, {0, 1, 2, 2}, false, WA_ROWS_INDEX, 8, false},
        {WA_TYPE_1BIT, {0, 1, 2, 2}, true, WA_ROWS_GRAY, 8, true},
        {WA_TYPE_4BIT, {1, 1, 16, 3}, false, WA_ROWS_INDEX, 8, false},
        {WA_TYPE_4BIT, {1, 1, 16, 3}, true, WA_ROWS_RGB, 8, true},
        {WA_TYPE_8BIT, {1, 1, 256, 3}, true, WA_ROWS_RGB, 8, true},
        {WA_TYPE_8BIT, {0, 0, 16, 0}, false, WA_ROWS_GRAY, 8, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << c.options.colors << " " << c.options.flags << " "
                                        << c.layered);
        WaHolder pic(c.type, 8, 4);
        WaHolder mask(WA_TYPE_GRAY, 2, 2);
        DirectRows rows(pic);
        if (c.layered)
            rows.context.AddLayer(pic, mask, ZVXFORM(), 1);
        LOGPALETTE palette;
        WaRowProducer p(rows.context, c.options, nullptr, &palette, 0, 0, 0, 8);
        EXPECT_EQ(p.Mode(), c.mode);
        EXPECT_EQ(p.OutputBits(), c.bits);
        EXPECT_EQ(p.Dithers(), c.dithers);
    }
}

TEST(RowProducer, LayersBlendThroughTheirMasks)
{
    WaHolder pic(WA_TYPE_RGB, 8, 1);
    for (int x = 0; x < 8; ++x) {
        uint8_t* p = pic->Row(0) + 3 * x;
        p[0] = 10, p[1] = 20, p[2] = 30;
    }
    WaHolder top(WA_TYPE_RGB, 4, 1);
    for (int x = 0; x < 4; ++x) {
        uint8_t* p = top->Row(0) + 3 * x;
        p[0] = 250, p[1] = 100, p[2] = 0;
    }
    WaHolder mask(WA_TYPE_GRAY, 4, 1);
    const uint8_t m[4] = {0, 255, 128, 64};
    std::copy(m, m + 4, mask->Row(0));

    DirectRows rows(pic);
    // The layer's picture x 0..4 lies over picture x 2..6.
    const int32_t id = rows.context.AddLayer(top, mask, ZVXFORM(XFFACT(0, 1, -2, -1), XFFACT()), 1);
    ASSERT_NE(id, 0);
    WaRowProducer p = rows.Producer(0, 8);
    ASSERT_EQ(p.Mode(), WA_ROWS_RGB);
    std::vector<uint8_t> out(24);
    p.ProduceRow(0, out.data());
    for (int x = 0; x < 8; ++x) {
        const int mm = x >= 2 && x < 6 ? m[x - 2] : 0;
        const uint8_t base[3] = {10, 20, 30}, over[3] = {250, 100, 0};
        for (int b = 0; b < 3; ++b)
            EXPECT_EQ(out[size_t(3 * x + b)], (base[b] * (255 - mm) + over[b] * mm) / 255) << x << " " << b;
    }

    // A hidden layer in front does not take the visible one's place.
    WaHolder mask2(WA_TYPE_1BIT, 1, 1);
    rows.context.AddLayer(top, mask2, ZVXFORM(), 0);
    WaLayeredStretcher s(pic, rows.context.GetXF(), rows.context.Layers(), WA_PLANE_RGB, 0, 8);
    ASSERT_EQ(s.Entries().size(), 1u);
    EXPECT_EQ(s.Entries()[0].index, 0);
    EXPECT_EQ(s.Entries()[0].layer->id, id);
}

TEST(RowProducer, SixteenColourPictureUnderALayerKeepsItsOwnColours)
{
    PALETTEENTRY colours[16];
    for (int i = 0; i < 16; ++i)
        colours[i] = PALETTEENTRY{uint8_t(i * 16 + 4), uint8_t(252 - i * 16), uint8_t((i % 4) * 80 + 4), 0};
    WA* raw = new WA(WA_TYPE_4BIT, 16, 2, colours);
    WaHolder pic(WA_TYPE_1BIT, 1, 1);
    std::swap(pic.wa, raw);
    WARelease(raw);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 8; ++x)
            pic->Row(y)[x] = uint8_t((2 * x + y) << 4 | (15 - 2 * x - y));
    WaHolder mask(WA_TYPE_GRAY, 16, 2); // all 0: the layer shows nothing
    DirectRows rows(pic);
    rows.context.AddLayer(pic, mask, ZVXFORM(), 1);
    WaRowProducer p = rows.Producer(0, 16);
    ASSERT_EQ(p.Mode(), WA_ROWS_RGB);
    ASSERT_TRUE(p.Dithers());
    EXPECT_EQ(p.Options(), ZV_CDOPT(1, 0, 16, 15));
    uint8_t out[16];
    p.ProduceRow(0, out); // client row 0 is picture row 1
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(out[x], x % 2 ? 15 - (x - 1 + 1) : x + 1) << x;
}

TEST(RowProducer, DitheredGreyRows)
{
    WaHolder pic(WA_TYPE_GRAY, 16, 16);
    for (int y = 0; y < 16; ++y)
        std::fill(pic->Row(y), pic->Row(y) + 16, uint8_t(128));
    DirectRows rows(pic);
    LOGPALETTE palette;
    std::vector<uint8_t> out(16);

    {
        // No dithering: the nearest of 16 levels, exactly.
        WaRowProducer p(rows.context, ZV_CDOPT(0, 0, 16, 0), nullptr, &palette, 0, 0, 0, 16);
        p.ProduceRow(3, out.data());
        EXPECT_EQ(out, std::vector<uint8_t>(16, 8));
        EXPECT_EQ(palette.palNumEntries, 16);
        EXPECT_EQ(palette.palPalEntry[8].peRed, 136);
    }
    // Bayer to two levels: half the pixels of each 8 x 8 cell white, and the
    // pattern follows the dither origin.
    std::vector<std::vector<uint8_t>> at0, at3;
    for (const int x0 : {0, 3}) {
        WaRowProducer p(rows.context, ZV_CDOPT(0, 0, 2, 2 * 8), nullptr, &palette, x0, 0, 0, 16);
        int white = 0;
        for (int y = 15; y >= 0; --y) {
            p.ProduceRow(y, out.data());
            white += std::count(out.begin(), out.begin() + 8, 1);
            (x0 ? at3 : at0).push_back(out);
        }
        EXPECT_EQ(white, 64);
    }
    for (size_t r = 0; r < at0.size(); ++r)
        for (int x = 0; x < 13; ++x)
            EXPECT_EQ(at3[r][size_t(x)], at0[r][size_t(x + 3)]);
    // Error diffusion keeps the mean.
    WaRowProducer p(rows.context, ZV_CDOPT(0, 0, 2, 1 * 8), nullptr, &palette, 0, 0, 0, 16);
    int white = 0;
    for (int y = 15; y >= 0; --y) {
        p.ProduceRow(y, out.data());
        white += std::count(out.begin(), out.end(), 1);
    }
    EXPECT_NEAR(white, 128, 4);
}

TEST(RowProducer, BandsRunBottomUpThroughTheContextsLastTouch)
{
    struct Counter : ZV_CORRECTCOLORS {
        void CorrectRow(uint8_t* row, int bits, int32_t width) override
        {
            widths.push_back(width * 100 + bits);
            row[0] = uint8_t(widths.size());
        }
        std::vector<int> widths;
    };
    WaHolder pic(WA_TYPE_GRAY, 5, 4);
    for (int y = 0; y < 4; ++y)
        std::fill(pic->Row(y), pic->Row(y) + 5, uint8_t(y * 10));
    DirectRows rows(pic);
    Counter hook;
    rows.context.SetColorCorrection(&hook);
    rows.context.SetDrawOptions(0, 1, 256, 2, 1);
    rows.context.Draw(nullptr, nullptr, nullptr, 0, 0, nullptr);
    WaRowProducer p = rows.Producer(0, 5);
    ASSERT_EQ(p.OutputBits(), 8);
    EXPECT_EQ(WaRowProducer::BandRowBytes(5, 8), 8);
    std::vector<uint8_t> band(3 * 8);
    p.ProduceBand(1, 4, band.data()); // client rows 3, 2, 1: picture rows 0, 1, 2
    EXPECT_EQ(hook.widths, (std::vector<int>{508, 508, 508}));
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(band[size_t(r * 8)], r + 1);      // the hook's mark
        EXPECT_EQ(band[size_t(r * 8 + 1)], r * 10); // picture row r
    }
}
