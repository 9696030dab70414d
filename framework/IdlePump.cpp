#include "framework/IdlePump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include "framework/App.h"
#include "framework/EventGuard.h"

namespace fw {

IdlePump::IdlePump(App& app) : app_(app)
{
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { Step(); });
    if (auto* dispatcher = QAbstractEventDispatcher::instance(QThread::currentThread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { OnAboutToBlock(); });
    QCoreApplication::instance()->installEventFilter(this);
}

IdlePump::~IdlePump()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool IdlePump::IsActivity(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Close:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Drop:
    case QEvent::MetaCall:
        return true;
    default:
        return event->type() >= QEvent::User && event->type() <= QEvent::MaxUser;
    }
}

bool IdlePump::eventFilter(QObject* receiver, QEvent* event)
{
    if (receiver != &timer_ && IsActivity(event)) {
        count_ = 0;
        burstDone_ = false;
    }
    // A key that may be a shortcut first brings the commands' states up to
    // date, once on its way from the focus up the parents: the idle update
    // may not have run since a command changed them (Redo pressed right
    // after Undo), and the key of a command that looked unavailable would
    // be lost.
    if (event->type() == QEvent::ShortcutOverride) {
        if (!shortcutUpdated_) {
            shortcutUpdated_ = true;
            GuardedCall([&] { app_.UpdateCommandUI(); });
        }
    } else if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        shortcutUpdated_ = false;
    }
    if (inFilter_)
        return false;
    inFilter_ = true;
    bool consumed = false;
    GuardedCall([&] { consumed = app_.PreTranslateEvent(receiver, event); });
    inFilter_ = false;
    return consumed;
}

void IdlePump::OnAboutToBlock()
{
    if (!burstDone_ && !timer_.isActive())
        timer_.start();
}

void IdlePump::Step()
{
    bool more = false;
    GuardedCall([&] { more = app_.OnIdle(count_++); });
    if (more)
        timer_.start();
    else
        burstDone_ = true;
}

void IdlePump::RunIdleNow()
{
    int32_t count = 0;
    bool more = true;
    while (more)
        if (!GuardedCall([&] { more = app_.OnIdle(count++); }))
            break;
}

}  // namespace fw
