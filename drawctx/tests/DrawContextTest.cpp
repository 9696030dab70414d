#include "drawctx/WaLowColorDrawContext.h"
#include "drawctx/WaPaletteDrawContext.h"
#include "drawctx/WaTrueColorDrawContext.h"
#include "drawctx/ZvColorRules.h"
#include "drawctx/ZvExcept.h"

#include <gtest/gtest.h>

#include "DrawTestSupport.h"

TEST(DrawContext, ChosenByTheDisplay)
{
    WaHolder pic(WA_TYPE_RGB, 4, 4);
    {
        DisplayScope d(ZvDisplay{true, 8, 256, 20});
        ContextPtr c(WACreateDrawContext(pic, nullptr));
        auto* p = dynamic_cast<WaPaletteDrawContext*>(c.get());
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->ReservedEntries(), 20);
    }
    {
        DisplayScope d(ZvDisplay{false, 8, 0, 0});
        ContextPtr c(WACreateDrawContext(pic, nullptr));
        EXPECT_NE(dynamic_cast<WaLowColorDrawContext*>(c.get()), nullptr);
        EXPECT_EQ(c->CanAnimatePalette(), 0);
    }
    ContextPtr c(WACreateDrawContext(pic, nullptr));
    EXPECT_NE(dynamic_cast<WaTrueColorDrawContext*>(c.get()), nullptr);
    EXPECT_EQ(c->IsValid(), 1);
    EXPECT_EQ(pic->refCount, 2);
    c.reset();
    EXPECT_EQ(pic->refCount, 1);
}

TEST(DrawContext, NullPictureThrowsBadParams)
{
    EXPECT_THROW(WACreateDrawContext(nullptr, nullptr), bltbadparams);
}

TEST(DrawContext, StartsUprightAtOneToOneWithEverythingToDraw)
{
    WaHolder pic(WA_TYPE_GRAY, 30, 20);
    ContextPtr c(WACreateDrawContext(pic, nullptr));
    QnPoint top{5, 0};
    c->ClientToWA(top, QN_XF_CENTRE);
    EXPECT_EQ(top, (QnPoint{5, 19})); // client row 0 is the top picture row
    auto* w = static_cast<WaDrawContext*>(c.get());
    EXPECT_EQ(w->PictureRgn().box(), (QnRect{0, 0, 30, 20}));
    EXPECT_TRUE(w->InvalidRgn() == w->PictureRgn());
    ZV_CDOPTFV o;
    c->GetDrawOptions(o);
    EXPECT_EQ(o, ZV_CDOPTFV(0, 0, 256, 0, 1));
    EXPECT_EQ(c->GetNumberOfLayers(), 0);
    EXPECT_EQ(c->GetFirstLayer(), ZV_LAYER_BACK);
    EXPECT_EQ(c->GetLastLayer(), ZV_LAYER_FRONT);
}

TEST(DrawContext, SameTransformSendsNoRedraw)
{
    WaHolder pic(WA_TYPE_RGB, 10, 10);
    RecordingNtf ntf;
    ContextPtr c(WACreateDrawContext(pic, &ntf));
    c->SetXF(c->GetXF(), 1);
    c->SetXF(QnRect{0, 0, 10, 10}, QnRect{0, 10, 10, 0}, 1);
    EXPECT_TRUE(ntf.calls.empty());
    c->SetXF(QnRect{0, 0, 20, 20}, QnRect{0, 10, 10, 0}, 1);
    ASSERT_EQ(ntf.calls.size(), 1u);
    EXPECT_FALSE(ntf.calls[0].region);
    EXPECT_EQ(ntf.calls[0].flag, 1);
    EXPECT_TRUE(static_cast<WaDrawContext*>(c.get())->Changes().transform);
}

TEST(DrawContext, WholePixelScrollMovesTheStaleRegion)
{
    WaHolder pic(WA_TYPE_RGB, 100, 100);
    ContextPtr c(WACreateDrawContext(pic, nullptr));
    auto* w = static_cast<WaDrawContext*>(c.get());
    c->Draw(nullptr, nullptr, nullptr, 0, 0, nullptr); // settles the changes
    const QnRect bits{10, 10, 20, 20};
    c->InvalidateImageBits(bits);
    const QnRect stale = w->InvalidRgn().box();
    // Scrolled 7 right and 3 up: picture x 0 is now at client x 7.
    c->SetXF(QnRect{7, -3, 107, 97}, QnRect{0, 100, 100, 0}, 0);
    EXPECT_FALSE(w->Changes().transform);
    EXPECT_EQ(w->InvalidRgn().box(), (QnRect{stale.left + 7, stale.top - 3, stale.right + 7, stale.bottom - 3}));
    EXPECT_EQ(w->PictureRgn().box(), (QnRect{7, -3, 107, 97}));
}

TEST(DrawContext, InvalidationsTellTheReceiver)
{
    WaHolder pic(WA_TYPE_4BIT, 40, 20);
    RecordingNtf ntf;
    ContextPtr c(WACreateDrawContext(pic, &ntf));
    auto* w = static_cast<WaDrawContext*>(c.get());
    c->Draw(nullptr, nullptr, nullptr, 0, 0, nullptr);
    EXPECT_EQ(w->Changes(), WaChanges{});

    c->InvalidateImageBits(QnRect{0, 0, 10, 5}); // the picture's bottom-left corner
    ASSERT_EQ(ntf.calls.size(), 1u);
    ASSERT_TRUE(ntf.calls[0].region);
    EXPECT_EQ(ntf.calls[0].region->box(), (QnRect{0, 15, 10, 20}));
    EXPECT_TRUE(w->Changes().bits);

    c->InvalidatePalette();
    EXPECT_TRUE(w->Changes().palette);
    c->SetDrawOptions(ZvNaturalOptions(WA_TYPE_4BIT)); // unchanged: nothing
    EXPECT_EQ(ntf.calls.size(), 2u);
    c->SetDrawOptions(1, 0, 16, 5, 1);
    EXPECT_TRUE(w->Changes().options);
    EXPECT_EQ(ntf.calls.size(), 3u);
    c->ResetDrawOptions();
    EXPECT_EQ(ntf.calls.size(), 4u);

    WaHolder rgb(WA_TYPE_RGB, 4, 4);
    ContextPtr d(WACreateDrawContext(rgb, &ntf));
    d->InvalidatePalette(); // no palette to change
    EXPECT_EQ(ntf.calls.size(), 4u);
}

TEST(DrawContext, WithoutReceiverSendRedrawAnswersZero)
{
    struct Probe : WaTrueColorDrawContext {
        using WaTrueColorDrawContext::WaTrueColorDrawContext;
        int Send() { return SendRedraw(nullptr, nullptr, 0) + SendUpdateColors(); }
    };
    WaHolder pic(WA_TYPE_RGB, 4, 4);
    Probe quiet(pic, nullptr, ZvDisplay{});
    EXPECT_EQ(quiet.Send(), 0);
    RecordingNtf ntf;
    Probe told(pic, &ntf, ZvDisplay{});
    EXPECT_EQ(told.Send(), 2);
}

TEST(DrawContext, GammaTablesWhereGammaIsSupported)
{
    WaHolder pic(WA_TYPE_RGB, 4, 4);
    RecordingNtf ntf;
    ContextPtr c(WACreateDrawContext(pic, &ntf));
    auto* w = static_cast<WaDrawContext*>(c.get());
    EXPECT_EQ(w->GammaTable(0)[128], 128);
    c->SetMonitorGamma(100, 100, 100);
    EXPECT_TRUE(ntf.calls.empty());
    c->SetMonitorGamma(200, 100, 50);
    EXPECT_EQ(ntf.calls.size(), 1u);
    EXPECT_EQ(w->GammaTable(0)[128], 64);  // 255 * (128/255)^2 = 64.25
    EXPECT_EQ(w->GammaTable(1)[128], 128);
    EXPECT_EQ(w->GammaTable(2)[128], 181); // 255 * sqrt(128/255) = 180.7
    int r, g, b;
    c->GetMonitorGamma(r, g, b);
    EXPECT_EQ(r * 10000 + g * 100 + b, 2010050);

    DisplayScope d(ZvDisplay{false, 4, 0, 0});
    ContextPtr low(WACreateDrawContext(pic, &ntf));
    low->SetMonitorGamma(200, 200, 200);
    EXPECT_EQ(ntf.calls.size(), 1u); // stored, but nothing to redraw
    ZV_MG kept;
    low->GetMonitorGamma(kept);
    EXPECT_EQ(kept, ZV_MG(200, 200, 200));
    EXPECT_EQ(static_cast<WaDrawContext*>(low.get())->GammaTable(0)[128], 128);
}

TEST(DrawContext, DrawOutsideThePictureDrawsNothingAndSendsNoRedraw)
{
    WaHolder pic(WA_TYPE_RGB, 10, 10);
    RecordingNtf ntf;
    ContextPtr c(WACreateDrawContext(pic, &ntf));
    auto palette = std::make_unique<LOGPALETTE>();
    const QnRgn clip(QnRect{50, 50, 60, 60});
    c->Draw(nullptr, &clip, nullptr, 0, 0, &palette);
    EXPECT_EQ(palette, nullptr);
    EXPECT_TRUE(ntf.calls.empty());
    EXPECT_FALSE(static_cast<WaDrawContext*>(c.get())->Drawn());
}
