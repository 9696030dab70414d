#include "album/app/book/PageKnobPane.h"

#include <QPainter>

#include "album/app/OvalbumView.h"
#include "album/app/book/AlbumBookStyle.h"
#include "album/app/book/PageIndexPane.h"
#include "album/app/book/PagePane.h"

using namespace albumbook;

void CPageKnobPane::Layout(const QRect& page)
{
    const QImage& knob = KnobBitmap();
    const int w = knob.width() * 3 / 2;
    rect_ = QRect(page.right() + 1 - w, page.top(), w, knob.height() * 3 / 2);
}

void CPageKnobPane::Paint(QPainter& painter, const QRect&)
{
    const QImage& knob = KnobBitmap();
    painter.drawImage(rect_.left() + (rect_.width() - knob.width()) / 2,
                      rect_.top() + (rect_.height() - knob.height()) / 2, knob);
}

QRect CPageKnobPane::OwnClick(QPoint at)
{
    View().SetCapturePane(this);
    lastY_ = at.y();
    return rect_;
}

void CPageKnobPane::MouseMove(QPoint at)
{
    const int moved = at.y() - lastY_;
    int scroll = 0;
    if (moved >= 3)
        scroll = 1;
    else if (moved < -2)
        scroll = -1;
    if (scroll == 0)
        return;
    lastY_ = at.y();
    page_.Index().Scroll(scroll);
    View().viewport()->update(page_.Index().Rect());
}

void CPageKnobPane::ButtonUp(QPoint)
{
    if (View().CapturePane() == this)
        View().SetCapturePane(nullptr);
}
