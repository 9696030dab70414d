#include "album/app/book/RingsPane.h"

#include <QPainter>

#include "album/app/book/AlbumBookStyle.h"

using namespace albumbook;

void CRingsPane::Layout(const QRect& page)
{
    const QImage& ring = RingBitmap();
    const int right = page.left() + ring.height() * 3 / 2;
    rect_ = QRect(right - ring.width(), page.top(), ring.width(), page.height());
}

void CRingsPane::Paint(QPainter& painter, const QRect&)
{
    const QImage& ring = RingBitmap();
    const int h = ring.height();
    for (int y = rect_.top() + h / 4 + h * 3 / 2; y + h <= rect_.bottom() - h * 3 / 2; y += 3 * h)
        painter.drawImage(rect_.left(), y, ring);
}
