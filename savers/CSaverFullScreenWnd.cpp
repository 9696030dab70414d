#include "savers/CSaverFullScreenWnd.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>

CSaverFullScreenWnd::CSaverFullScreenWnd(const SaverProgram& program, SaverSettings settings, SaverScreen& screen)
    : CSaverWnd(program, std::move(settings), screen, true)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setCursor(Qt::BlankCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive && activated_)
            PostClose();
    });
}

bool CSaverFullScreenWnd::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (first_ == QPoint(-1, -1))
            first_ = at;
        else if (at != first_)
            PostClose();
        return true;
    }
    case QEvent::WindowActivate:
        activated_ = true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::WindowDeactivate:
        PostClose();
        break;
    default:
        break;
    }
    return CSaverWnd::event(event);
}

void CSaverFullScreenWnd::PostClose()
{
    if (closing_)
        return;
    closing_ = true;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}
