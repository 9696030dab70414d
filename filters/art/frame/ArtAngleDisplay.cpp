#include "filters/art/frame/ArtAngleDisplay.h"

#include "filters/art/frame/AngleNeedle.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace {

QPolygonF Triangle(const std::array<AngleNeedle::Point, 3>& points)
{
    QPolygonF polygon;
    for (const auto& p : points)
        polygon << QPointF(p.x, p.y);
    return polygon;
}

} // namespace

ArtAngleDisplay::ArtAngleDisplay(QWidget* parent) : QWidget(parent)
{
    setObjectName(kClassName);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ArtAngleDisplay::SetAngle(int32_t degrees)
{
    angle_ = degrees;
    repaint();
}

void ArtAngleDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height());
    painter.setPen(Qt::black);
    painter.setBrush(palette().color(QPalette::Button));
    painter.drawEllipse(QRectF(0.5, 0.5, side - 1, side - 1));
    const AngleNeedle needle = AngleNeedle::Of(side, angle_);
    painter.setBrush(QColor(255, 0, 0));
    painter.drawPolygon(Triangle(needle.red));
    painter.setBrush(QColor(0, 0, 255));
    painter.drawPolygon(Triangle(needle.blue));
}
