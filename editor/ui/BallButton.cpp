#include "editor/ui/BallButton.h"

#include "editor/ui/SysColor.h"

#include <QMouseEvent>
#include <QPainter>

CBallButton::CBallButton(QWidget* parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage CBallButton::Render(int32_t w) const
{
    QImage image(w, w, QImage::Format_RGB32);
    const QnPoint b = ball_.BallCentre(w);
    for (int32_t y = 0; y < w; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int32_t x = 0; x < w; ++x) {
            const uint8_t g = CBallGeometry::SphereGrey(x, y, w, b);
            line[x] = qRgb(g, g, g);
        }
    }
    QPainter painter(&image);
    LdDrawEdge(painter, image.rect(), LD_EDGE_SUNKEN);
    return image;
}

void CBallButton::paintEvent(QPaintEvent*)
{
    const int32_t w = width();
    // Drawn only once square; the resize brings another paint.
    if (w != height()) {
        resize(w, w);
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), Render(w));
}

void CBallButton::resizeEvent(QResizeEvent* event)
{
    const QSize size = event->size();
    if (size.width() != size.height()) {
        resize(size.width(), size.width());
        return;
    }
    QAbstractButton::resizeEvent(event);
}

void CBallButton::PlaceAt(const QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (ball_.PlaceAt(QnPoint{p.x(), p.y()}, width()))
        update();
}

void CBallButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PlaceAt(event);
    QAbstractButton::mousePressEvent(event);
}

void CBallButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PlaceAt(event);
    QAbstractButton::mouseReleaseEvent(event);
}

void CBallButton::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging moves the ball; the ordinary handling would only track
    // whether the button is still down.
    if (event->buttons() & Qt::LeftButton)
        PlaceAt(event);
    else
        QAbstractButton::mouseMoveEvent(event);
}
