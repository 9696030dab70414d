#include "album/app/book/PageArrowsPane.h"

#include <QFontMetrics>
#include <QPainter>

#include "album/app/book/AlbumBookStyle.h"
#include "album/app/book/PagePane.h"

using namespace albumbook;

void CPageArrowsPane::Layout(const QRect& page)
{
    const int w = QFontMetrics(TimesFont(kPageFontSize)).horizontalAdvance("888");
    rect_ = QRect(page.right() + 1 - w * 3 / 2, page.bottom() + 1 - w, w * 3 / 2, w);
}

void CPageArrowsPane::Paint(QPainter& painter, const QRect&)
{
    painter.setFont(TimesFont(kPageFontSize));
    const QRect left(rect_.left(), rect_.top(), rect_.width() / 2, rect_.height());
    const QRect right(left.right() + 1, rect_.top(), rect_.width() - left.width(), rect_.height());
    if (previous_)
        DrawShadowTextIn(painter, left, "<", kTextColour);
    if (next_)
        DrawShadowTextIn(painter, right, ">", kTextColour);
}

QRect CPageArrowsPane::OwnClick(QPoint at)
{
    if (at.x() >= rect_.left() + rect_.width() / 2)
        page_.NextPage();
    else
        page_.PreviousPage();
    return page_.Rect();
}
