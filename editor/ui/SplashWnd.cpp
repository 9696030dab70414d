#include "editor/ui/SplashWnd.h"

#include "editor/ui/ProgramEnvironment.h"
#include "framework/EventGuard.h"

#include <QEvent>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimerEvent>

namespace {

bool& Enabled()
{
    static bool enabled = false;
    return enabled;
}

QPointer<CSplashWnd>& Splash()
{
    static QPointer<CSplashWnd> splash;
    return splash;
}

bool EndsSplash(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: {
        const auto button = static_cast<const QMouseEvent*>(event)->button();
        return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
    }
    default:
        return false;
    }
}

}  // namespace

void CSplashWnd::EnableSplashScreen(bool enable)
{
    Enabled() = enable;
}

CSplashWnd* CSplashWnd::Current()
{
    return Splash().data();
}

void CSplashWnd::ShowSplashScreen(QWidget* parent)
{
    if (!Enabled() || Splash())
        return;
    std::optional<QImage> picture = LdLoadProgramBitmap(IDB_SPLASH);
    if (!picture || picture->isNull())
        return;  // no picture, no splash
    auto* splash = new CSplashWnd(parent, std::move(*picture));
    Splash() = splash;
    splash->show();
    splash->repaint();
}

CSplashWnd::CSplashWnd(QWidget* parent, QImage picture)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(std::move(picture)), mainWindow_(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    setFixedSize(picture_.size());
    QRect over = parent ? parent->frameGeometry() : QRect();
    if (!parent || !parent->isVisible())
        if (QScreen* screen = QGuiApplication::primaryScreen())
            over = screen->availableGeometry();
    move(over.center() - rect().center());
    timer_ = startTimer(kTimerMs);
}

CSplashWnd::~CSplashWnd()
{
    if (Splash() == this)
        Splash() = nullptr;
}

bool CSplashWnd::PreTranslateAppMessage(QObject*, QEvent* event)
{
    CSplashWnd* splash = Splash();
    if (!splash)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Claimed, so that no menu shortcut fires before the key press
        // itself arrives here and ends the splash.
        event->accept();
        return true;
    }
    if (!EndsSplash(event))
        return false;
    splash->HideSplashScreen();
    return true;
}

void CSplashWnd::HideSplashScreen()
{
    if (timer_) {
        killTimer(timer_);
        timer_ = 0;
    }
    if (Splash() == this)
        Splash() = nullptr;
    hide();
    deleteLater();
    if (mainWindow_)
        mainWindow_->update();
}

void CSplashWnd::OnTimer()
{
    HideSplashScreen();
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

void CSplashWnd::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == timer_)
        fw::GuardedCall([&] { OnTimer(); });
}
