#include "filters/art/frame/StrokeAngleDisplay.h"

#include "filters/art/frame/StrokePattern.h"

#include <QPainter>

StrokeAngleDisplay::StrokeAngleDisplay(QWidget* parent) : QWidget(parent)
{
    setObjectName(kClassName);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StrokeAngleDisplay::SetAngle(int32_t degrees)
{
    angle_ = degrees;
    repaint();
}

void StrokeAngleDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(palette().color(QPalette::Button));
    painter.drawRect(0, 0, width() - 1, height() - 1);
    for (const StrokeLine& l : StrokePattern(width(), height(), angle_, rand_))
        painter.drawLine(l.x1, l.y1, l.x2, l.y2);
}
