#include "tasks/module/calendar/LdCalendarView.h"

#include "tasks/module/calendar/LdCalendarDialog.h"
#include "tasks/sketch/CVScale.h"
#include "tasks/sketch/CVSketch.h"
#include "tasks/sketch/CVSketchDC.h"
#include "tasks/sketch/SketchGeometry.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>

namespace {

QnPoint PointOf(const QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    return QnPoint{p.x(), p.y()};
}

CVScale ScaleOf(int zoom)
{
    CVScale scale;
    scale.Init(zoom);
    return scale;
}

}  // namespace

CLdCalendarView::CLdCalendarView(CVSketch& sketch, CLdCalendarDialog* dialog, QWidget* parent)
    : QWidget(parent), sketch_(sketch), dialog_(dialog)
{
    setObjectName("View");
    setMouseTracking(true);
    // Every pixel is painted: the sketch over white.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QnPoint CLdCalendarView::ConstrainPoint(const QnPoint& press, const QnPoint& point)
{
    int32_t dx = point.x - press.x;
    int32_t dy = point.y - press.y;
    if (dx == 0)
        dx = 1;
    if (dy == 0)
        dy = 1;
    if (std::abs(dx / dy) >= 3) {
        dy = 0;
    } else if (std::abs(dy / dx) >= 3) {
        dx = 0;
    } else if (std::abs(dy) < std::abs(dx)) {
        dy = dx * dy > 0 ? dx : -dx;
    } else {
        dx = dx * dy > 0 ? dy : -dy;
    }
    return QnPoint{press.x + dx, press.y + dy};
}

QnPoint CLdCalendarView::ToSketch(const QnPoint& p) const { return ScaleOf(zoom).ToSketch(p); }

QnRect CLdCalendarView::SelectionInWindow() const { return ScaleOf(zoom).ToDevice(sketch_.GetSelectionRect()); }

QnRect CLdCalendarView::FrameAt(const QnPoint& point) const
{
    QnRect r;
    const int handle = CVSketch::GetDragHandle();
    if (handle == CVSketch::kHandleNone) {
        r = QnRect{pressPoint.x, pressPoint.y, point.x, point.y};
    } else {
        r = SelectionInWindow();
        switch (handle) {
        case CVSketch::kHandleMove: {
            const int32_t dx = point.x - pressPoint.x, dy = point.y - pressPoint.y;
            r = QnRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
            break;
        }
        case CVSketch::kHandleTopLeft: r.left = point.x; r.top = point.y; break;
        case CVSketch::kHandleTop: r.top = point.y; break;
        case CVSketch::kHandleTopRight: r.right = point.x; r.top = point.y; break;
        case CVSketch::kHandleRight: r.right = point.x; break;
        case CVSketch::kHandleBottomRight: r.right = point.x; r.bottom = point.y; break;
        case CVSketch::kHandleBottom: r.bottom = point.y; break;
        case CVSketch::kHandleBottomLeft: r.left = point.x; r.bottom = point.y; break;
        case CVSketch::kHandleLeft: r.left = point.x; break;
        default: break;
        }
    }
    r = SketchNormalizeRect(r);
    return QnRect{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
}

void CLdCalendarView::UpdateCursor(int handle)
{
    switch (handle) {
    case CVSketch::kHandleMove: setCursor(Qt::SizeAllCursor); break;
    case CVSketch::kHandleTopLeft:
    case CVSketch::kHandleBottomRight: setCursor(Qt::SizeFDiagCursor); break;
    case CVSketch::kHandleTop:
    case CVSketch::kHandleBottom: setCursor(Qt::SizeVerCursor); break;
    case CVSketch::kHandleTopRight:
    case CVSketch::kHandleBottomLeft: setCursor(Qt::SizeBDiagCursor); break;
    case CVSketch::kHandleRight:
    case CVSketch::kHandleLeft: setCursor(Qt::SizeHorCursor); break;
    default: setCursor(Qt::ArrowCursor); break;
    }
}

void CLdCalendarView::paintEvent(QPaintEvent*)
{
    // Drawn off screen and copied, so the page never flickers while it is
    // dragged.
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        CVSketchDC dc(painter, ScaleOf(zoom), false);
        sketch_.Draw(&dc);
        if (moved && !dragRect.IsEmpty())
            dc.DrawDragRect(dragRect, CVSketch::kSelectionFrame);
    }
    QPainter window(this);
    window.drawImage(0, 0, image);
}

void CLdCalendarView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Qt keeps the mouse on this window until the button is released.
    pressPoint = PointOf(event);
    dragging = 1;
    sketch_.SelectAt(ToSketch(pressPoint));
    update();
}

void CLdCalendarView::mouseMoveEvent(QMouseEvent* event)
{
    QnPoint point = PointOf(event);
    if (!(event->buttons() & Qt::LeftButton) || !dragging) {
        const int handle = sketch_.HitHandle(ToSketch(point));
        CVSketch::SetDragHandle(handle);
        UpdateCursor(handle);
        return;
    }
    if (!moved) {
        moved = 1;
        startPoint = ToSketch(pressPoint);
        if (CVSketch::GetDragHandle() != CVSketch::kHandleNone)
            dragRect = SelectionInWindow();
        else
            dragRect = SketchNormalizeRect(QnRect{pressPoint.x, pressPoint.y, point.x, point.y});
    } else {
        if (event->modifiers() & Qt::ShiftModifier)
            point = ConstrainPoint(pressPoint, point);
        dragRect = FrameAt(point);
    }
    update();
}

void CLdCalendarView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !dragging) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    dragging = 0;
    if (moved) {
        moved = 0;
        dragRect = QnRect{};
        QnPoint point = PointOf(event);
        if (event->modifiers() & Qt::ShiftModifier)
            point = ConstrainPoint(pressPoint, point);
        point = ToSketch(point);
        if (CVSketch::GetDragHandle() != CVSketch::kHandleNone)
            sketch_.DragSelection(QnPoint{point.x - startPoint.x, point.y - startPoint.y});
        else
            sketch_.SelectInRect(SketchRectOf(startPoint, point));
        update();
    }
    if (dialog_)
        dialog_->UpdateStyleButtons();
}
