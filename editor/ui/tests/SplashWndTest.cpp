// The splash: shown once when enabled, gone after its time or at the first
// key or button, which it keeps from the rest of the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include "editor/ui/SplashWnd.h"

namespace {

class Splash : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (CSplashWnd* splash = CSplashWnd::Current())
            splash->HideSplashScreen();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        CSplashWnd::EnableSplashScreen(false);
    }
    QWidget main;
};

}  // namespace

TEST_F(Splash, NotShownWhenDisabled)
{
    CSplashWnd::EnableSplashScreen(false);
    CSplashWnd::ShowSplashScreen(&main);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
}

TEST_F(Splash, ShowsTheProgramPictureOnce)
{
    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(&main);
    CSplashWnd* splash = CSplashWnd::Current();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(16, 16));
    CSplashWnd::ShowSplashScreen(&main);
    EXPECT_EQ(CSplashWnd::Current(), splash);

    splash->OnTimer();
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(Splash, FirstKeyOrButtonOnlyEndsTheSplash)
{
    CSplashWnd::EnableSplashScreen(true);
    struct Input {
        const char* name;
        std::function<QEvent*()> make;
    };
    const Input inputs[] = {
        {"key", [] { return new QKeyEvent(QEvent::KeyPress, Qt::Key_A, {}, "a"); }},
        {"right button",
         [] {
             return new QMouseEvent(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::RightButton,
                                    Qt::RightButton, {});
         }},
        {"title bar",
         [] {
             return new QMouseEvent(QEvent::NonClientAreaMouseButtonPress, QPointF(1, 1), QPointF(1, 1),
                                    Qt::LeftButton, Qt::LeftButton, {});
         }},
    };
    for (const Input& input : inputs) {
        SCOPED_TRACE(input.name);
        CSplashWnd::ShowSplashScreen(&main);
        ASSERT_NE(CSplashWnd::Current(), nullptr);
        std::unique_ptr<QEvent> event(input.make());
        // A mouse move is not enough.
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, {});
        EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&main, &move));
        EXPECT_TRUE(CSplashWnd::PreTranslateAppMessage(&main, event.get()));
        EXPECT_EQ(CSplashWnd::Current(), nullptr);
        // Once it is gone, events pass.
        EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&main, event.get()));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(Splash, ShortcutsWaitForTheKeyThatEndsIt)
{
    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(&main);
    QKeyEvent shortcut(QEvent::ShortcutOverride, Qt::Key_O, Qt::ControlModifier);
    shortcut.ignore();
    EXPECT_TRUE(CSplashWnd::PreTranslateAppMessage(&main, &shortcut));
    EXPECT_TRUE(shortcut.isAccepted());
    EXPECT_NE(CSplashWnd::Current(), nullptr);
}
