#include "blt/Blt.h"
#include "BltTestSupport.h"
#include "TestPicture.h"

#include <gtest/gtest.h>

using namespace blttest;

namespace {

// Pieces inside one tile and across tiles, a hole, and a notch: the bounding
// box of the visible part of a tile holds many pixels outside the clip.
QnRgn ComplexClip()
{
    QnRgn r = QnRgn(QnRect{10, 10, 180, 150}) - QnRgn(QnRect{40, 30, 150, 120});
    r += QnRgn(QnRect{200, 5, 205, 190});
    r += QnRgn(QnRect{3, 170, 7, 174});
    r -= QnRect{100, 12, 101, 140};
    return r;
}

// Every pixel outside the clip keeps the background, every pixel inside
// shows the picture; also with a clip already set on the context, which the
// draw must keep to as well.
TEST(BltClip, NothingOutsideAComplexClipIsTouched)
{
    auto picture = MakePicture(120, 90);
    const QnXFormXY zoom = Zoom(3, 1);
    const Expected expected{PpQnRenderObj(picture), zoom};
    const QnRgn clip = ComplexClip();
    const int32_t dx = 13, dy = 21;
    {
        QnBlt blt(32, 24);
        MemoryDC dc(220, 200, kBackground);
        blt.Draw(dc, clip, PpQnRenderObj(picture), dx, dy, zoom, QnXFormXY(), 0, nullptr);
        EXPECT_EQ(CountWrongPixels(dc, expected, dx, dy, clip), 0);
    }
    {
        QnBlt blt(32, 24);
        MemoryDC dc(220, 200, kBackground);
        const QnRect contextClip{0, 0, 110, 200};
        dc.IntersectClipRect(contextClip);
        blt.Draw(dc, clip, PpQnRenderObj(picture), dx, dy, zoom, QnXFormXY(), 0, nullptr);
        EXPECT_EQ(CountWrongPixels(dc, expected, dx, dy, clip * QnRgn(contextClip)), 0);
        EXPECT_EQ(*dc.GetClipRgn(), QnRgn(contextClip));
    }
}

// Through a printer's scale the clip is mapped with the picture: device
// pixels outside the mapped clip stay untouched, those inside are painted.
TEST(BltClip, AScaledClipKeepsToItsDevicePixels)
{
    auto picture = MakePicture(120, 90);
    const QnRgn clip = ComplexClip();
    QnBlt blt(32, 24);
    MemoryDC dc(450, 400, kBackground);
    dc.Mapping().SetMapMode(QN_MM_ISOTROPIC);
    dc.Mapping().SetWindowExt(QnPoint{2, 2});
    dc.Mapping().SetViewportExt(QnPoint{3, 3});
    blt.Draw(dc, clip, PpQnRenderObj(picture), 0, 0, Zoom(3, 2), QnXFormXY(), 0, nullptr);

    QnRgn device;
    for (const QnRect& r : clip.rects())
        device += QnRgn(dc.Mapping().LPtoDP(r));
    const QnRgn drawn = device * QnRgn(dc.Mapping().LPtoDP(QnRect{0, 0, 180, 135}));
    int64_t wrong = 0;
    for (int32_t y = 0; y < 400; ++y)
        for (int32_t x = 0; x < 450; ++x) {
            const bool inside = drawn.from_point(QnPoint{x, y}) != QnRect{};
            wrong += (dc.DevicePixel(x, y) == kBackground) == inside;
        }
    EXPECT_EQ(wrong, 0);
}

} // namespace
