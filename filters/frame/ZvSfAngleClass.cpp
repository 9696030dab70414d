#include "filters/frame/ZvSfAngleClass.h"

#include "framework/EventGuard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace {

QPolygonF Triangle(const std::array<AngleControlModel::PointF, 3>& points)
{
    QPolygonF polygon;
    for (const auto& p : points)
        polygon << QPointF(p.x, p.y);
    return polygon;
}

} // namespace

ZvSfAngleClass::ZvSfAngleClass(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
}

void ZvSfAngleClass::SetAngle(int32_t internal)
{
    model_.SetAngle(internal);
    repaint();
}

QPoint ZvSfAngleClass::FromCentre(const QPoint& position) const
{
    return position - QPoint(width() / 2, height() / 2);
}

void ZvSfAngleClass::Report(uint32_t code)
{
    if (!onScroll_)
        return;
    fw::GuardedCall([&] { onScroll_(code, model_.Reported(), this); });
}

void ZvSfAngleClass::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height());
    painter.setPen(Qt::black);
    painter.setBrush(palette().color(QPalette::Button));
    painter.drawEllipse(QRectF(0.5, 0.5, side - 1, side - 1));
    const AngleControlModel::Needle needle = AngleControlModel::NeedleOf(side, model_.Angle());
    painter.setBrush(QColor(255, 0, 0));
    painter.drawPolygon(Triangle(needle.red));
    painter.setBrush(QColor(0, 0, 255));
    painter.drawPolygon(Triangle(needle.blue));
}

void ZvSfAngleClass::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = FromCentre(event->position().toPoint());
    model_.Press(p.x(), p.y());
}

void ZvSfAngleClass::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = FromCentre(event->position().toPoint());
    if (!model_.Move(p.x(), p.y()))
        return;
    repaint();
    Report(AngleControlModel::kThumbTrack);
}

void ZvSfAngleClass::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !model_.Release())
        return;
    Report(AngleControlModel::kThumbPosition);
}

void ZvSfAngleClass::keyPressEvent(QKeyEvent* event)
{
    int32_t degrees = 0;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up: degrees = 1; break;
    case Qt::Key_Left:
    case Qt::Key_Down: degrees = -1; break;
    case Qt::Key_PageUp: degrees = 15; break;
    case Qt::Key_PageDown: degrees = -15; break;
    default: QWidget::keyPressEvent(event); return;
    }
    model_.Turn(degrees);
    repaint();
    Report(AngleControlModel::kThumbPosition);
}
