#include "blt/MemoryDC.h"
#include "drawctx/qt/ZvWaTmbWnd.h"
#include "drawctx/qt/ZvWindowClass.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

struct Picture {
    Picture(int width, int height) : wa(new WA(WA_TYPE_RGB, width, height, static_cast<char*>(nullptr)))
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                uint8_t* p = wa->Row(y) + 3 * x;
                p[0] = uint8_t(x * 255 / width);
                p[1] = uint8_t(y * 255 / height);
                p[2] = uint8_t((x + y) % 7 == 0 ? 255 : 40);
            }
    }
    ~Picture() { WARelease(wa); }
    WA* wa;
};

// What the core paints for a control of the window's size, set up as the
// window is, pixel for pixel against what the window shows.
void ExpectShowsCoreDrawing(ZvWaTmbWnd& wnd, WA* picture, bool focus)
{
    const int w = wnd.width(), h = wnd.height();
    ZvWaTmb core;
    core.SetPicture(picture, w, h);
    if (picture && wnd.State().Context()) {
        ZV_MG g;
        wnd.State().Context()->GetMonitorGamma(g);
        core.SetGamma(g.red, g.green, g.blue);
    }
    MemoryDC dc(w, h);
    core.Paint(dc, nullptr, QnRgn(QnRect{0, 0, w, h}), w, h, wnd.HasBorder(), focus);
    const QImage shown = wnd.grab().toImage().convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(shown.width(), w);
    ASSERT_EQ(shown.height(), h);
    int wrong = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = shown.pixel(x, y);
            if (QnRGB(uint8_t(qRed(p)), uint8_t(qGreen(p)), uint8_t(qBlue(p))) != dc.DevicePixel(x, y) && ++wrong < 5)
                ADD_FAILURE() << "pixel " << x << "," << y;
        }
    EXPECT_EQ(wrong, 0);
}

struct CommandSink : QWidget, ZvParentSink {
    void OnZvCommand(uint32_t id, int code, ZvWindow* from) override
    {
        commands.push_back({id, code});
        last = from;
    }
    std::vector<std::pair<uint32_t, int>> commands;
    ZvWindow* last = nullptr;
};

} // namespace

TEST(WaTmbWnd, ShowsThePictureAsTheCoreDrawsIt)
{
    Picture pic(200, 100);
    CommandSink parent;
    ZvWaTmbWnd wnd(&parent, 109, ZV_WS_BORDER);
    wnd.resize(124, 94);
    wnd.SendMessage(ZV_WATMB_SETPICTURE, reinterpret_cast<uintptr_t>(pic.wa), 0);
    EXPECT_EQ(pic.wa->refCount, 3); // the test, the control and its context
    // Twice as wide as tall in a 120-wide client: letter-boxed, equal bands.
    EXPECT_EQ(wnd.State().PictureRect(), (QnRect{2, 17, 122, 77}));
    ExpectShowsCoreDrawing(wnd, pic.wa, false);
    wnd.grab().save("/tmp/Zvblt35-watmb.png");

    // Gamma reaches the picture.
    wnd.SendMessage(ZV_WATMB_SETGAMMA, 150, 80 | (120 << 16));
    ZV_MG g;
    wnd.State().Context()->GetMonitorGamma(g);
    EXPECT_EQ(g, ZV_MG(150, 80, 120));
    ExpectShowsCoreDrawing(wnd, pic.wa, false);

    // A new size refits the picture.
    wnd.resize(64, 124);
    ExpectShowsCoreDrawing(wnd, pic.wa, false);
    EXPECT_EQ(wnd.State().PictureRect(), (QnRect{2, 47, 62, 77}));
}

TEST(WaTmbWnd, PictureMessages)
{
    Picture pic(10, 10);
    ZvWaTmbWnd wnd(nullptr, 109);
    wnd.resize(40, 40);
    // Gamma before any picture does nothing.
    EXPECT_EQ(wnd.SendMessage(ZV_WATMB_SETGAMMA, 150, 150 | 150 << 16), 0);
    EXPECT_EQ(wnd.State().Context(), nullptr);
    EXPECT_EQ(wnd.SendMessage(ZV_WATMB_GETPICTURE, 0, 0), 0);
    EXPECT_EQ(wnd.SendMessage(ZV_WM_GETDLGCODE, 0, 0), 0x2000);
    EXPECT_EQ(wnd.SendMessage(ZV_WM_QUERYNEWPALETTE, 0, 0), 0);

    wnd.SendMessage(ZV_WATMB_SETPICTURE, reinterpret_cast<uintptr_t>(pic.wa), 0);
    auto* got = reinterpret_cast<WA*>(wnd.SendMessage(ZV_WATMB_GETPICTURE, 0, 0));
    EXPECT_EQ(got, pic.wa);
    EXPECT_EQ(pic.wa->refCount, 4);
    WARelease(got);

    // A null picture lets go of picture and context: background and frames only.
    wnd.SendMessage(ZV_WATMB_SETPICTURE, 0, 0);
    EXPECT_EQ(pic.wa->refCount, 1);
    EXPECT_EQ(wnd.State().Context(), nullptr);
    ExpectShowsCoreDrawing(wnd, nullptr, false);

    // The control holds its own reference until it goes.
    {
        ZvWaTmbWnd other(nullptr, 1);
        other.SendMessage(ZV_WATMB_SETPICTURE, reinterpret_cast<uintptr_t>(pic.wa), 0);
        EXPECT_EQ(pic.wa->refCount, 3);
    }
    EXPECT_EQ(pic.wa->refCount, 1);
}

TEST(WaTmbWnd, ClickAndSpaceArePostedToTheParent)
{
    CommandSink parent;
    parent.resize(100, 100);
    auto* wnd = new ZvWaTmbWnd(&parent, 109);
    wnd->setGeometry(10, 10, 50, 50);
    parent.show();

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(15, 15), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(wnd, &press);
    EXPECT_TRUE(parent.commands.empty()); // posted, not sent
    QApplication::processEvents();
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0], (std::pair<uint32_t, int>{109, 1}));
    EXPECT_EQ(parent.last, wnd);
    EXPECT_TRUE(wnd->hasFocus());

    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(wnd, &space);
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(15, 15), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QApplication::sendEvent(wnd, &right);
    QApplication::processEvents();
    EXPECT_EQ(parent.commands.size(), 2u);

    // With the focus the control shows its white frame.
    Picture pic(30, 30);
    wnd->SendMessage(ZV_WATMB_SETPICTURE, reinterpret_cast<uintptr_t>(pic.wa), 0);
    ExpectShowsCoreDrawing(*wnd, pic.wa, true);
    wnd->grab().save("/tmp/Zvblt35-watmb-focus.png");
    delete wnd;
}

TEST(WaTmbWnd, ClassRegistrationIsCounted)
{
    EXPECT_FALSE(ZvIsWaTmbClassRegistered());
    EXPECT_EQ(ZvCreateWindow("ZV_WATMB", nullptr, 109, 0), nullptr);
    EXPECT_FALSE(ZvUnregisterWaTmbClass()); // nothing to take away
    {
        ZvWaTmbClassScope dialog;
        {
            ZvWaTmbClassScope client;
            EXPECT_TRUE(ZvIsWaTmbClassRegistered());
        }
        // The first user still has it.
        EXPECT_TRUE(ZvIsWaTmbClassRegistered());
        std::unique_ptr<ZvWindow> w(ZvCreateWindow("zv_watmb", nullptr, 109, ZV_WS_BORDER));
        ASSERT_NE(dynamic_cast<ZvWaTmbWnd*>(w.get()), nullptr);
        EXPECT_EQ(w->Id(), 109u);
        EXPECT_TRUE(w->HasBorder());
        EXPECT_EQ(ZvCreateWindow("BUTTON", nullptr, 1, 0), nullptr);
    }
    EXPECT_FALSE(ZvIsWaTmbClassRegistered());
}
