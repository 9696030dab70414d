#include "savers/CSaverWnd.h"

#include "blt/qt/QPainterDC.h"
#include "framework/EventGuard.h"
#include "platform/TickClock.h"
#include "savers/SaverFrame.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

QRect ToQRect(const QnRect& r) { return r.IsEmpty() ? QRect() : QRect(r.left, r.top, int(r.Width()), int(r.Height())); }

} // namespace

CSaverWnd::CSaverWnd(const SaverProgram& program, SaverSettings settings, SaverScreen& screen, bool autoDelete,
                     QWidget* parent)
    : QWidget(parent), model_(program, std::move(settings), screen)
{
    setAttribute(Qt::WA_DeleteOnClose, autoDelete);
    // Every pixel is painted: no background to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    model_.onRepaint = [this] { update(); };
    model_.Start(platform::TickClock::Now());
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { fw::GuardedCall([this] { OnTimer(); }); });
    timer_.start(kTimerPeriodMs);
}

CSaverWnd::~CSaverWnd() { model_.Close(); }

void CSaverWnd::OnTimer()
{
    if (!model_.Advance(platform::TickClock::Now()))
        return;
    const QRect square = ToQRect(SaverFrame::SquareOnDevice(model_.Effect(), ClientSize()));
    update(QRegion(lastSquare_).united(square));
    lastSquare_ = square;
}

void CSaverWnd::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    QPainterDC dc(painter, event->region());
    SaverFrame::Draw(dc, model_.Effect(), ClientSize());
}
