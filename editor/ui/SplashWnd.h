// The start-up picture (program bitmap 102), centred over the main window.
// It goes after ten seconds or at the first key or mouse button, which it
// swallows. At most one exists; the command line's no-splash switch keeps
// it from showing at all.
#pragma once

#include <QImage>
#include <QWidget>

class QEvent;
class QObject;

class CSplashWnd : public QWidget {
public:
    static constexpr uint32_t IDB_SPLASH = 102;
    static constexpr int kTimerMs = 10000;

    static void EnableSplashScreen(bool enable);
    static void ShowSplashScreen(QWidget* parent);
    // Every event of the program passes here first; true consumes it.
    static bool PreTranslateAppMessage(QObject* receiver, QEvent* event);
    // The splash that shows, or null.
    static CSplashWnd* Current();

    void HideSplashScreen();
    // The ten seconds are up.
    void OnTimer();

    ~CSplashWnd() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    CSplashWnd(QWidget* parent, QImage picture);

    QImage picture_;
    int timer_ = 0;
    QWidget* mainWindow_;
};
