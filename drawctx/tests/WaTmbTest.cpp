#include "blt/MemoryDC.h"
#include "drawctx/ZvWaTmb.h"

#include <gtest/gtest.h>

#include "DrawTestSupport.h"

TEST(WaTmb, FitKeepsProportionsWithinTheMargin)
{
    struct Case {
        const char* name;
        int32_t w, h, pw, ph;
        QnRect want;
    };
    const Case cases[] = {
        // Twice as wide as the control: equal bands above and below.
        {"letter-boxed", 104, 104, 200, 100, {2, 27, 102, 77}},
        {"pillar-boxed", 104, 104, 100, 200, {27, 2, 77, 102}},
        {"exact", 54, 44, 50, 40, {2, 2, 52, 42}},
        {"tiny picture grows", 204, 104, 2, 1, {2, 2, 202, 102}},
        {"no room", 4, 4, 10, 10, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QnRect r = ZvFitPicture(c.w, c.h, c.pw, c.ph);
        if (c.want.IsEmpty()) {
            EXPECT_TRUE(r.IsEmpty());
            continue;
        }
        EXPECT_EQ(r, c.want);
    }
}

TEST(WaTmb, PaintsBackgroundPictureAndFrames)
{
    WaHolder pic(WA_TYPE_RGB, 20, 10);
    // Top picture row (row 9 bottom-up) red, everything else blue.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            uint8_t* p = pic->Row(y) + 3 * x;
            p[0] = y == 9 ? 0 : 255;
            p[1] = 0;
            p[2] = y == 9 ? 255 : 0;
        }
    ZvWaTmb tmb;
    tmb.SetPicture(pic, 44, 44);
    EXPECT_EQ(pic->refCount, 3); // the test, the control and its context
    ASSERT_NE(tmb.Context(), nullptr);
    EXPECT_EQ(tmb.PictureRect(), (QnRect{2, 12, 42, 32}));

    MemoryDC dc(44, 44, QnRGB(9, 9, 9));
    const QnRgn all(QnRect{0, 0, 44, 44});
    tmb.Paint(dc, nullptr, all, 44, 44, true, true);
    EXPECT_EQ(dc.DevicePixel(0, 20), QnRGB(0, 0, 0));         // border
    EXPECT_EQ(dc.DevicePixel(1, 20), QnRGB(255, 255, 255));   // focus frame
    EXPECT_EQ(dc.DevicePixel(20, 5), ZV_WATMB_BACKGROUND);   // band above
    EXPECT_EQ(dc.DevicePixel(20, 40), ZV_WATMB_BACKGROUND);  // band below
    EXPECT_EQ(dc.DevicePixel(20, 12), QnRGB(255, 0, 0));     // the top row, upright
    EXPECT_EQ(dc.DevicePixel(20, 31), QnRGB(0, 0, 255));

    // Gamma goes to the context; a darker gamma darkens the mid-tones only.
    EXPECT_TRUE(tmb.SetGamma(150, 100, 100));
    ZV_MG g;
    tmb.Context()->GetMonitorGamma(g);
    EXPECT_EQ(g, ZV_MG(150, 100, 100));

    // A null picture drops the context: only background and frames remain.
    tmb.SetPicture(nullptr, 44, 44);
    EXPECT_EQ(pic->refCount, 1);
    EXPECT_EQ(tmb.Context(), nullptr);
    EXPECT_FALSE(tmb.SetGamma(120, 120, 120));
    MemoryDC empty(44, 44, QnRGB(9, 9, 9));
    tmb.Paint(empty, nullptr, all, 44, 44, false, false);
    EXPECT_EQ(empty.DevicePixel(0, 0), ZV_WATMB_BACKGROUND);
    EXPECT_EQ(empty.DevicePixel(20, 20), ZV_WATMB_BACKGROUND);
}

TEST(WaTmb, RefitFollowsTheControlSize)
{
    WaHolder pic(WA_TYPE_GRAY, 100, 50);
    ZvWaTmb tmb;
    tmb.SetPicture(pic, 104, 104);
    tmb.Refit(204, 54);
    EXPECT_EQ(tmb.PictureRect(), (QnRect{52, 2, 152, 52}));
    QnPoint p{52, 2};
    tmb.Context()->ClientToWA(p, 0);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 50);
}
