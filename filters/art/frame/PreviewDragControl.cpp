#include "filters/art/frame/PreviewDragControl.h"

#include "filters/art/frame/ArtModuleState.h"
#include "filters/frame/FilterModuleInfo.h"
#include "filters/frame/PreviewTile.h"
#include "framework/EventGuard.h"
#include "framework/MessageBox.h"

#include <QMouseEvent>

PreviewDragControl::PreviewDragControl(QWidget* parent) : PreviewWindow(parent) { UpdateCursor(); }

// The module's open and closed hand cursors.
void PreviewDragControl::UpdateCursor() { setCursor(model_.Dragging() ? Qt::ClosedHandCursor : Qt::OpenHandCursor); }

void PreviewDragControl::paintEvent(QPaintEvent* event)
{
    if (Tile())
        Tile()->show = show_;
    PreviewWindow::paintEvent(event);
}

void PreviewDragControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    if (!model_.Press(p.x(), p.y(), ArtState().movablePreview)) {
        fw::MessageBox(window(), kNotMovableText, FilterModuleDescription().messageCaption,
                       fw::MB_OK | fw::MB_ICONSTOP);
        return;
    }
    UpdateCursor();
    if (listener_)
        fw::GuardedCall([&] { listener_->OnDragBegin(); });
}

void PreviewDragControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const auto step = model_.Move(p.x(), p.y());
    if (step && listener_)
        fw::GuardedCall([&] { listener_->OnDragStep(step->dx, step->dy); });
}

void PreviewDragControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !model_.Release())
        return;
    UpdateCursor();
    if (listener_)
        fw::GuardedCall([&] { listener_->OnDragEnd(); });
}
