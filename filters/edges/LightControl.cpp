#include "filters/edges/LightControl.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

LightControl::LightControl(QWidget* parent) : QWidget(parent) { setCursor(Qt::ArrowCursor); }

void LightControl::SetShadow(int32_t shadow)
{
    choice_ = ChoiceForShadow(shadow);
    update();
}

void LightControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (height() != width())
        resize(width(), width());
}

void LightControl::paintEvent(QPaintEvent*)
{
    const int side = width();
    const double cx = side / 2.0, cy = side / 2.0, radius = Radius();
    double lx = 0, ly = 0;
    if (dragging_) {
        lx = dragging_->x() - cx;
        ly = dragging_->y() - cy;
    } else {
        LightPoint(choice_, radius, lx, ly);
    }
    // Painted off screen, then shown at once.
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < side; ++x) {
            const int grey = SphereGrey(x + 0.5 - cx, y + 0.5 - cy, radius, lx, ly);
            row[x] = grey < 0 ? qRgb(128, 128, 128) : qRgb(grey, grey, grey);
        }
    }
    QPainter painter(this);
    painter.drawImage(0, 0, image);
    qDrawShadePanel(&painter, rect(), palette(), true, 1);
}

void LightControl::Choose(const QPoint& p)
{
    const LightChoice before = choice_;
    choice_ = LightAt(p.x() - width() / 2.0, p.y() - height() / 2.0, Radius());
    update();
    if ((before.level != choice_.level || before.sector != choice_.sector) && onChange)
        onChange();
}

void LightControl::mousePressEvent(QMouseEvent* event)
{
    dragging_ = event->position().toPoint();
    Choose(*dragging_);
}

void LightControl::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_)
        return;
    dragging_ = event->position().toPoint();
    Choose(*dragging_);
}

void LightControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_)
        return;
    const QPoint p = event->position().toPoint();
    dragging_.reset();
    Choose(p);
}
