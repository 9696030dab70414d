#include "blt/MemoryDC.h"
#include "drawctx/WaPaletteDrawContext.h"
#include "drawctx/WaRowProducer.h"
#include "drawctx/WaTrueColorDrawContext.h"

#include <gtest/gtest.h>

#include <random>

#include "DrawTestSupport.h"

namespace {

void FillRandom(WA* wa, unsigned seed)
{
    std::mt19937 gen(seed);
    for (int y = 0; y < wa->height; ++y)
        for (size_t i = 0; i < wa->RowBytes(); ++i)
            wa->Row(y)[i] = uint8_t(gen());
}

// The pixels the context's own rows give for client rectangle r, compared
// with what the device shows there.
void ExpectShowsProducedRows(WaDrawContext& c, const MemoryDC& dc, const QnRect& r)
{
    int* table = nullptr;
    LOGPALETTE* palette = nullptr;
    c.GetDitherTables(&table, &palette);
    WaRowProducer p(c, c.EffectiveOptions(), table, palette, 0, 0, r.left, r.right);
    ASSERT_EQ(p.OutputBits(), 24);
    std::vector<uint8_t> row(size_t(r.Width()) * 3);
    for (int32_t y = r.top; y < r.bottom; ++y) {
        p.ProduceRow(y, row.data());
        for (int32_t x = r.left; x < r.right; ++x) {
            const uint8_t* want = row.data() + 3 * (x - r.left);
            ASSERT_EQ(dc.DevicePixel(x, y), QnRGB(want[2], want[1], want[0])) << x << "," << y;
        }
    }
}

} // namespace

TEST(Draw, ShowsTheProducedRowsAtEachTransform)
{
    WaHolder pic(WA_TYPE_RGB, 150, 140);
    FillRandom(pic, 3);
    struct Case {
        const char* name;
        QnRect client, picture;
    };
    const Case cases[] = {
        {"upright 1:1", {0, 0, 150, 140}, {0, 140, 150, 0}},
        {"zoom 3, scrolled", {-100, -50, 350, 370}, {0, 140, 150, 0}},
        {"zoom 1/2, moved", {17, 9, 92, 79}, {0, 140, 150, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ContextPtr ctx(WACreateDrawContext(pic, nullptr));
        auto* w = static_cast<WaDrawContext*>(ctx.get());
        ctx->SetXF(c.client, c.picture, 0);
        MemoryDC dc(300, 260, QnRGB(1, 2, 3));
        ctx->Draw(&dc, nullptr, nullptr, 0, 0, nullptr);
        const QnRect shown = QnIntersectRect(w->PictureRgn().box(), QnRect{0, 0, 300, 260});
        ExpectShowsProducedRows(*w, dc, shown);
        EXPECT_EQ(dc.DevicePixel(shown.right, shown.top), shown.right < 300 ? QnRGB(1, 2, 3) : 0xFFFFFFFF);
        EXPECT_FALSE(w->InvalidRgn() * QnRgn(shown));
    }
}

TEST(Draw, InvalidationRedrawsOnlyWhatItMust)
{
    WaHolder pic(WA_TYPE_RGB, 300, 200);
    FillRandom(pic, 4);
    RecordingNtf ntf;
    ContextPtr ctx(WACreateDrawContext(pic, &ntf));
    auto* w = static_cast<WaDrawContext*>(ctx.get());
    MemoryDC dc(400, 300);
    ctx->Draw(&dc, nullptr, nullptr, 0, 0, nullptr);
    EXPECT_EQ(w->RenderedPixels(), 300 * 200);
    EXPECT_EQ(w->Tiles().BitmapCount(), 3 * 2);

    // A second paint comes from the cache.
    MemoryDC again(400, 300);
    ctx->Draw(&again, nullptr, nullptr, 0, 0, nullptr);
    EXPECT_EQ(w->RenderedPixels(), 300 * 200);
    ExpectShowsProducedRows(*w, again, QnRect{0, 0, 300, 200});

    // Changed bits: only their rectangle is made again, also when the whole
    // window is painted.
    for (int y = 190; y < 200; ++y)
        std::fill(pic->Row(y) + 3 * 10, pic->Row(y) + 3 * 30, uint8_t(77));
    ctx->InvalidateImageBits(QnRect{10, 190, 30, 200}); // the top rows: client rows 0..10
    ASSERT_FALSE(ntf.calls.empty());
    EXPECT_EQ(ntf.calls.back().region->box(), (QnRect{10, 0, 30, 10}));
    ctx->Draw(&again, nullptr, nullptr, 0, 0, nullptr);
    EXPECT_EQ(w->RenderedPixels(), 300 * 200 + 20 * 10);
    EXPECT_EQ(again.DevicePixel(15, 5), QnRGB(77, 77, 77));
    ExpectShowsProducedRows(*w, again, QnRect{0, 0, 300, 200});

    // A paint of a clip outside the stale part renders nothing new.
    ctx->InvalidateImageBits(QnRect{200, 0, 210, 10});
    const QnRgn clip(QnRect{0, 0, 50, 50});
    ctx->Draw(&again, &clip, nullptr, 0, 0, nullptr);
    EXPECT_EQ(w->RenderedPixels(), 300 * 200 + 20 * 10);

    // Dropped bitmaps are made again when next seen.
    w->Tiles().Discard();
    ctx->Draw(&again, &clip, nullptr, 0, 0, nullptr);
    EXPECT_EQ(w->RenderedPixels(), 300 * 200 + 20 * 10 + 128 * 128);

    // A clip in two corners: the tiles between them, within its box, are
    // left alone and stay to be drawn.
    w->Tiles().Discard();
    const QnRgn corners = QnRgn(QnRect{0, 0, 10, 10}) + QnRgn(QnRect{290, 190, 300, 200});
    ctx->Draw(&again, &corners, nullptr, 0, 0, nullptr);
    EXPECT_EQ(w->Tiles().BitmapCount(), 2);
    MemoryDC fresh(400, 300);
    ctx->Draw(&fresh, nullptr, nullptr, 0, 0, nullptr);
    ExpectShowsProducedRows(*w, fresh, QnRect{0, 0, 300, 200});
}

TEST(Draw, WholePixelScrollKeepsTheCache)
{
    WaHolder pic(WA_TYPE_RGB, 200, 150);
    FillRandom(pic, 5);
    ContextPtr ctx(WACreateDrawContext(pic, nullptr));
    auto* w = static_cast<WaDrawContext*>(ctx.get());
    MemoryDC dc(300, 300);
    ctx->Draw(&dc, nullptr, nullptr, 0, 0, nullptr);
    const int64_t once = w->RenderedPixels();
    ctx->SetXF(QnRect{40, 25, 240, 175}, QnRect{0, 150, 200, 0}, 0);
    MemoryDC moved(300, 300);
    ctx->Draw(&moved, nullptr, nullptr, 0, 0, nullptr);
    EXPECT_EQ(w->RenderedPixels(), once);
    for (int y = 0; y < 150; y += 7)
        for (int x = 0; x < 200; x += 5)
            ASSERT_EQ(moved.DevicePixel(x + 40, y + 25), dc.DevicePixel(x, y)) << x << "," << y;
}

TEST(Draw, VisibleLayersDrawPastTheCache)
{
    WaHolder pic(WA_TYPE_RGB, 64, 64);
    FillRandom(pic, 6);
    WaHolder top(WA_TYPE_RGB, 16, 16);
    WaHolder mask(WA_TYPE_GRAY, 16, 16);
    std::fill(mask->Row(0), mask->Row(0) + 16 * 16, uint8_t(255));
    ContextPtr ctx(WACreateDrawContext(pic, nullptr));
    auto* w = static_cast<WaDrawContext*>(ctx.get());
    ctx->AddLayer(top, mask, ZVXFORM(), 1);
    MemoryDC dc(64, 64);
    ctx->Draw(&dc, nullptr, nullptr, 0, 0, nullptr);
    ctx->Draw(&dc, nullptr, nullptr, 0, 0, nullptr);
    EXPECT_EQ(w->RenderedPixels(), 2 * 64 * 64);
    EXPECT_EQ(w->Tiles().BitmapCount(), 0);
    EXPECT_EQ(dc.DevicePixel(3, 60), QnRGB(0, 0, 0)); // the black layer over the bottom-left corner
    ExpectShowsProducedRows(*w, dc, QnRect{0, 0, 64, 64});
}

TEST(Draw, PaletteDisplayShowsTheReducedPaletteAndAsksForTheRest)
{
    DisplayScope d(ZvDisplay{true, 8, 256, 20});
    PALETTEENTRY colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = PALETTEENTRY{uint8_t(i), uint8_t(i), uint8_t(255 - i), 0};
    WA* wa = new WA(WA_TYPE_8BIT, 16, 16, colours);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            wa->Row(y)[x] = uint8_t(16 * y + x);
    RecordingNtf ntf;
    ContextPtr ctx(WACreateDrawContext(wa, &ntf));
    WARelease(wa);
    auto* p = static_cast<WaPaletteDrawContext*>(ctx.get());
    MemoryDC dc(16, 16);
    const QnRgn clip(QnRect{0, 0, 16, 8});
    std::unique_ptr<LOGPALETTE> shown;
    ctx->Draw(&dc, &clip, nullptr, 0, 0, &shown);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->palNumEntries, 235);
    ASSERT_EQ(p->Remap().size(), 256u);
    // Client (x, y) shows picture row 15 - y, index 16 (15 - y) + x, remapped.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) {
            const PALETTEENTRY& e = shown->palPalEntry[p->Remap()[size_t(16 * (15 - y) + x)]];
            ASSERT_EQ(dc.DevicePixel(x, y), QnRGB(e.peRed, e.peGreen, e.peBlue)) << x << "," << y;
        }
    // The new palette changes the colours of the rest of the window.
    ASSERT_EQ(ntf.calls.size(), 1u);
    EXPECT_EQ(ntf.calls[0].flag, 1);
    EXPECT_EQ(ntf.calls[0].region->box(), (QnRect{0, 8, 16, 16}));
}
