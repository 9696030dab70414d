// The bar button: its looks, the hot state under the mouse, its sounds,
// where caption, picture and shadow go, and the picture's transparency.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <string>
#include <vector>

#include "editor/ui/BarButton.h"
#include "editor/ui/ProgramEnvironment.h"
#include "editor/ui/SysColor.h"
#include "framework/Sound.h"

namespace {

// Records the waves handed to it instead of playing them.
class RecordingSound : public fw::SoundBackend {
public:
    explicit RecordingSound(std::vector<std::string>& played) : played_(played) {}
    bool Play(const std::vector<uint8_t>& wave, const std::string& name) override
    {
        played_.push_back(name + "=" + std::string(wave.begin(), wave.end()));
        return true;
    }

private:
    std::vector<std::string>& played_;
};

using Look = CBarButtonLook;

}  // namespace

TEST(BarButtonState, LooksInOrderOfPrecedence)
{
    struct Case {
        bool enabled, pushed, focused, hot;
        Look look;
    };
    const Case cases[] = {
        {false, true, true, true, Look::Disabled},
        {true, true, false, false, Look::Pressed},
        {true, true, true, true, Look::Pressed},
        {true, false, true, true, Look::Hot},
        {true, false, false, true, Look::Normal},  // hot without focus
        {true, false, true, false, Look::Normal},
        {true, false, false, false, Look::Normal},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LdChooseBarLook(c.enabled, c.pushed, c.focused, c.hot), c.look)
            << c.enabled << c.pushed << c.focused << c.hot;
}

TEST(BarButtonState, HoverTakesTheCaptureAndLeavingGivesItUp)
{
    CBarButtonState state;
    // A move outside without the capture is not the button's.
    CBarButtonReaction r = state.MouseMove(false);
    EXPECT_FALSE(r.repaint || r.takeCapture || r.defaultHandling);

    r = state.MouseMove(true);  // the first move over it
    EXPECT_TRUE(r.takeCapture && r.takeFocus && r.repaint);
    EXPECT_EQ(r.wave, LD_WAVE_HOVER);
    EXPECT_TRUE(state.Hot());

    r = state.MouseMove(true);  // within: the ordinary handling only
    EXPECT_TRUE(r.defaultHandling);
    EXPECT_FALSE(r.repaint || r.takeCapture);
    EXPECT_EQ(r.wave, 0u);

    r = state.MouseMove(false);  // out: capture released, not hot
    EXPECT_TRUE(r.releaseCapture && r.repaint);
    EXPECT_FALSE(state.Hot() || state.HasCapture());

    state.MouseMove(true);
    r = state.LeftButtonDown();
    EXPECT_EQ(r.wave, LD_WAVE_PRESS);
    EXPECT_TRUE(r.defaultHandling && r.repaint && state.Hot());
    r = state.LeftButtonUp();
    EXPECT_TRUE(r.defaultHandling && r.repaint);
    EXPECT_FALSE(state.Hot() || state.HasCapture());

    // Hot again on the next move, with the hover sound again.
    EXPECT_EQ(state.MouseMove(true).wave, LD_WAVE_HOVER);
}

TEST(BarButtonState, CaptionAndPicturePlacement)
{
    CBarButtonLayout layout;  // offset 1, centred both ways
    const QRect r(0, 0, 40, 30);
    EXPECT_EQ(layout.CaptionRect(r, Look::Normal), QRect(-1, -3, 40, 30));
    EXPECT_EQ(layout.CaptionRect(r, Look::Hot), QRect(-1, -3, 40, 30));
    EXPECT_EQ(layout.CaptionRect(r, Look::Pressed), QRect(1, -1, 40, 30));
    EXPECT_EQ(layout.CaptionRect(r, Look::Disabled), r);

    const QSize image(16, 10);
    EXPECT_EQ(layout.PicturePos(r, image, false), QPoint(12, 10));
    EXPECT_EQ(layout.PicturePos(r, image, true), QPoint(13, 11));
    EXPECT_EQ(layout.ShadowPos(r, image), QPoint(14, 12));

    layout.centreVertically = false;
    layout.pressOffset = 2;
    const QRect moved(5, 7, 40, 30);
    EXPECT_EQ(layout.PicturePos(moved, image, false), QPoint(17, 8));
    EXPECT_EQ(layout.ShadowPos(moved, image), QPoint(5 + 12 + 3, 7 + 4));
}

TEST(BarButtonPicture, OnlyTheExactKeyColourIsTransparent)
{
    const auto bitmap = LdLoadProgramBitmap(140);
    ASSERT_TRUE(bitmap);
    const CBarButtonPicture picture(*bitmap);
    EXPECT_EQ(picture.Size(), QSize(16, 16));
    EXPECT_TRUE(picture.IsTransparent(0, 0));    // RGB(0, 128, 128)
    EXPECT_FALSE(picture.IsTransparent(1, 1));   // RGB(0, 128, 129)
    EXPECT_FALSE(picture.IsTransparent(5, 5));

    // Drawn with its shadow: key pixels leave what was there.
    QImage canvas(20, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    picture.DrawShadow(painter, QPoint(2, 2), Qt::blue);
    picture.Draw(painter, QPoint(0, 0));
    painter.end();
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(1, 1), qRgb(0, 128, 129));
    EXPECT_EQ(canvas.pixel(3, 3), qRgb(0, 0, 255));     // the odd pixel's shadow
    EXPECT_EQ(canvas.pixel(13, 13), qRgb(0, 0, 255));   // the square's shadow
    EXPECT_EQ(canvas.pixel(11, 11), qRgb(160, 0, 0));
}

class BarButtonWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = fw::Sound::SetBackend(std::make_unique<RecordingSound>(played));
        window.resize(200, 100);
        button = new CBarButton(&window);
        button->setGeometry(20, 20, 60, 40);
        button->setText("Crop");
        button->SetBitmap(140);
        QObject::connect(button, &QAbstractButton::clicked, [this] { ++clicks; });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override
    {
        fw::Sound::SetBackend(std::move(previous_));
        LdSetSoundSwitch({});
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button_, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), button->mapToGlobal(QPointF(at)), button_, held, {});
        QApplication::sendEvent(button, &event);
    }
    void Move(QPoint at, Qt::MouseButtons held = {}) { Send(QEvent::MouseMove, at, Qt::NoButton, held); }
    void Press(QPoint at) { Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, {}); }

    QWidget window;
    CBarButton* button = nullptr;
    std::vector<std::string> played;
    int clicks = 0;

private:
    std::unique_ptr<fw::SoundBackend> previous_;
};

TEST_F(BarButtonWidget, HoverPressAndReleaseGoThroughTheirLooks)
{
    EXPECT_EQ(button->Look(), Look::Normal);
    Move(QPoint(10, 10));
    EXPECT_TRUE(button->IsHot());
    EXPECT_TRUE(button->hasFocus());
    EXPECT_EQ(button->Look(), Look::Hot);
    Move(QPoint(12, 10));  // no second hover sound
    Press(QPoint(12, 10));
    EXPECT_EQ(button->Look(), Look::Pressed);
    Release(QPoint(12, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->IsHot());
    EXPECT_EQ(button->Look(), Look::Normal);
    EXPECT_EQ(played, (std::vector<std::string>{"WAVE 143=hover", "WAVE 144=press"}));

    // Leaving the window clears hot.
    Move(QPoint(10, 10));
    EXPECT_TRUE(button->IsHot());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(button->IsHot());
    EXPECT_EQ(button->Look(), Look::Normal);
}

TEST_F(BarButtonWidget, LeavingDuringAPressEndsItWithoutAClick)
{
    Move(QPoint(10, 10));
    Press(QPoint(10, 10));
    EXPECT_TRUE(button->isDown());
    Move(QPoint(100, 10), Qt::LeftButton);  // out: capture given up
    EXPECT_FALSE(button->isDown());
    EXPECT_FALSE(button->IsHot());
    Move(QPoint(10, 10), Qt::LeftButton);  // back: hot again, still not pushed
    EXPECT_TRUE(button->IsHot());
    EXPECT_FALSE(button->isDown());
    Release(QPoint(10, 10));
    EXPECT_EQ(clicks, 0);

    // The next press clicks as usual.
    Press(QPoint(10, 10));
    Release(QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
}

TEST_F(BarButtonWidget, SoundOffPlaysNothing)
{
    LdSetSoundSwitch([] { return false; });
    Move(QPoint(10, 10));
    Press(QPoint(10, 10));
    Release(QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(played.empty());
}

TEST_F(BarButtonWidget, DisabledShowsOnlyTheShadowAndGreyCaption)
{
    button->setEnabled(false);
    EXPECT_EQ(button->Look(), Look::Disabled);
    const QImage image = button->grab().toImage();
    const QPoint shadow = button->layout.ShadowPos(button->rect(), QSize(16, 16));
    // Inside the picture's square where the shadow is, but not the picture.
    EXPECT_EQ(image.pixel(shadow + QPoint(9, 9)), LdQColor(button->shadowColour).rgb());
    button->setEnabled(true);
    const QImage enabled = button->grab().toImage();
    EXPECT_EQ(enabled.pixel(shadow + QPoint(9, 9)), qRgb(160, 0, 0));
}

TEST_F(BarButtonWidget, HotAndPressedDrawTheFrame)
{
    const QColor highlight = LdQColor(LdGetSysColor(LD_COLOR_BTNHIGHLIGHT));
    const QColor dark = LdQColor(LdGetSysColor(LD_COLOR_3DDKSHADOW));
    Move(QPoint(10, 10));
    QImage image = button->grab().toImage();
    EXPECT_EQ(image.pixel(5, 0), highlight.rgb());
    EXPECT_EQ(image.pixel(0, 5), highlight.rgb());
    EXPECT_EQ(image.pixel(59, 5), dark.rgb());
    EXPECT_EQ(image.pixel(5, 39), dark.rgb());

    // Without a picture only background, caption and frame are drawn.
    button->SetBitmap(QImage());
    EXPECT_FALSE(button->HasPicture());
    image = button->grab().toImage();
    EXPECT_EQ(image.pixel(59, 5), dark.rgb());
}
