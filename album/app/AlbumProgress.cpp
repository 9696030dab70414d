#include "album/app/AlbumProgress.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace {

// How often a step looks at the queue: often enough to feel the Escape key,
// seldom enough not to slow the read.
constexpr int kEventsEveryMs = 50;

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return false;
    }
}

} // namespace

void AlbumProgress::Start()
{
    frame_ = 0;
    stopped_ = false;
    if (!started_)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    started_ = true;
    sinceEvents_.start();
}

void AlbumProgress::End()
{
    if (started_)
        QApplication::restoreOverrideCursor();
    started_ = false;
}

int AlbumProgress::Step(int32_t done, int32_t total)
{
    if (total > 0)
        frame_ = int(std::min<int64_t>(int64_t(done) * kFrames / total, kFrames - 1));
    if (!sinceEvents_.isValid() || sinceEvents_.elapsed() >= kEventsEveryMs) {
        qApp->installEventFilter(this);
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        qApp->removeEventFilter(this);
        sinceEvents_.start();
    }
    return stopped_ ? 0 : 1;
}

bool AlbumProgress::eventFilter(QObject*, QEvent* event)
{
    if (!IsUserInput(event->type()))
        return false;
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        stopped_ = true;
    return true;
}
