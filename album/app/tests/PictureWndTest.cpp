// The full-screen picture window: where the picture lands, the keys and
// clicks that move or close it, and what it paints against what the
// drawing context draws on its own.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <memory>

#include "album/app/PictureView.h"
#include "album/app/PictureWnd.h"
#include "blt/MemoryDC.h"
#include "drawctx/ZvDrawContext.h"
#include "drawctx/zvwa/WA.h"

namespace {

// A picture whose top row is red and the rest blue, held by the test.
struct TestPicture {
    TestPicture(int32_t w, int32_t h) : wa(new WA(WA_TYPE_RGB, w, h, static_cast<char*>(nullptr)))
    {
        for (int32_t row = 0; row < h; ++row)
            for (int32_t col = 0; col < w; ++col) {
                uint8_t* p = wa->Row(row) + 3 * col;
                p[0] = row == h - 1 ? 0 : 255;
                p[1] = 0;
                p[2] = row == h - 1 ? 255 : 0;
            }
    }
    ~TestPicture() { WARelease(wa); }
    WA* wa;
};

TEST(PictureView, PlacementCentresOrFitsTheSlideShow)
{
    struct Case {
        const char* name;
        int32_t w, h;
        int slideShow;
        QnRect want;  // on a 1024 by 768 desktop
    } const cases[] = {
        {"small, centred", 200, 100, 0, {412, 334, 612, 434}},
        {"small in the show keeps its size", 200, 100, 1, {412, 334, 612, 434}},
        {"large outside the show hangs over", 3000, 2000, 0, {-988, -616, 2012, 1384}},
        {"large in the show: full width, centred vertically", 3000, 2000, 1, {0, 43, 1024, 725}},
        {"tall in the show: full height", 1000, 2000, 1, {320, 0, 704, 768}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestPicture pic(c.w, c.h);
        PictureView view;
        view.slideShow = c.slideShow;
        view.Show(pic.wa, 1024, 768);
        EXPECT_EQ(pic.wa->refCount, 2);
        EXPECT_EQ(view.Placement(1024, 768), c.want);
    }
}

TEST(PictureView, ArrowsMoveByATenthAndOtherInputCloses)
{
    TestPicture pic(200, 100);
    PictureView view;
    view.Show(pic.wa, 1024, 768);
    EXPECT_EQ(view.OnArrow(PictureView::Arrow::Left), PictureView::Answer::Moved);
    EXPECT_EQ(view.x, 412 - 20);
    view.OnArrow(PictureView::Arrow::Right);
    view.OnArrow(PictureView::Arrow::Right);
    EXPECT_EQ(view.x, 412 + 20);
    view.OnArrow(PictureView::Arrow::Up);
    EXPECT_EQ(view.y, 334 - 10);
    view.OnArrow(PictureView::Arrow::Down);
    view.OnArrow(PictureView::Arrow::Down);
    EXPECT_EQ(view.y, 334 + 10);
    EXPECT_EQ(view.OnOtherInput(), PictureView::Answer::Close);

    view.slideShow = 1;
    EXPECT_EQ(view.OnOtherInput(), PictureView::Answer::SlideShowOff);
    EXPECT_EQ(view.slideShow, 0);
}

TEST(PictureView, ReplacingThePictureReleasesTheOldOne)
{
    TestPicture first(10, 10), second(20, 20);
    {
        PictureView view;
        view.Show(first.wa, 100, 100);
        view.Show(second.wa, 100, 100);
        EXPECT_EQ(first.wa->refCount, 1);
        EXPECT_EQ(second.wa->refCount, 2);
    }
    EXPECT_EQ(second.wa->refCount, 1);
}

TEST(PictureWnd, ShowsWhatTheDrawingContextDraws)
{
    TestPicture pic(40, 20);
    auto* wnd = new CPictureWnd;
    wnd->ShowPicture(pic.wa);
    const int32_t w = wnd->width(), h = wnd->height();
    ASSERT_GT(w, 40);
    const QImage shot = wnd->grab().toImage();

    MemoryDC expected(w, h, QnRGB(9, 9, 9));
    const std::unique_ptr<ZV_DRAWCONTEXT> context(WACreateDrawContext(pic.wa, nullptr));
    const QnRect at = wnd->View().Placement(w, h);
    context->SetXF(at, QnRect{0, 20, 40, 0}, 0);
    context->Draw(&expected, nullptr, nullptr, 1, 0, nullptr);
    const auto pixelOf = [&](int x, int y) {
        const QRgb c = shot.pixel(x, y);
        return QnRGB(qRed(c), qGreen(c), qBlue(c));
    };
    for (const QnPoint p : {QnPoint{at.left, at.top}, QnPoint{at.left + 20, at.top + 10},
                            QnPoint{at.right - 1, at.bottom - 1}})
        EXPECT_EQ(pixelOf(p.x, p.y), expected.DevicePixel(p.x, p.y)) << p.x << "," << p.y;
    EXPECT_EQ(pixelOf(at.left, at.top), QnRGB(255, 0, 0));
    EXPECT_EQ(pixelOf(0, 0), QnRGB(0, 0, 0));
    delete wnd;
}

TEST(PictureWnd, ArrowsMoveOtherKeysAndClicksClose)
{
    TestPicture pic(40, 20);
    QPointer<CPictureWnd> wnd = new CPictureWnd;
    wnd->ShowPicture(pic.wa);
    const int32_t x0 = wnd->View().x;
    QTest::keyClick(wnd, Qt::Key_Right);
    EXPECT_EQ(wnd->View().x, x0 + 4);
    QTest::keyClick(wnd, Qt::Key_A);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(wnd.isNull());
    EXPECT_EQ(pic.wa->refCount, 1);

    wnd = new CPictureWnd;
    wnd->ShowPicture(pic.wa);
    wnd->View().slideShow = 1;
    QTest::mouseClick(wnd, Qt::RightButton);
    ASSERT_FALSE(wnd.isNull());
    EXPECT_EQ(wnd->View().slideShow, 0);
    QTest::mouseClick(wnd, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(wnd.isNull());
}

}  // namespace
