#include "filters/frame/PreviewWindow.h"

#include "blt/qt/QPainterDC.h"
#include "filters/frame/PreviewTile.h"

#include <QPaintEvent>
#include <QPainter>

PreviewWindow::PreviewWindow(QWidget* parent) : QWidget(parent) {}

QRect PreviewWindow::FittedTo(const QRect& window, int tileWidth, int tileHeight)
{
    // Right and bottom exclusive, as the system counts them.
    const int left = window.x(), top = window.y();
    const int right = left + window.width(), bottom = top + window.height();
    return QRect((left + right - tileWidth - 1) / 2, (top + bottom - tileHeight - 1) / 2, tileWidth + 3,
                 tileHeight + 3);
}

void PreviewWindow::FitToTile()
{
    if (tile_ && tile_->width > 0 && tile_->height > 0)
        setGeometry(FittedTo(geometry(), tile_->width, tile_->height));
}

void PreviewWindow::paintEvent(QPaintEvent* event)
{
    if (!tile_)
        return;
    QPainter painter(this);
    QPainterDC dc(painter, event->region());
    // The platform context of displayPixels is the device context.
    tile_->Paint(static_cast<DeviceContext*>(&dc));
}
