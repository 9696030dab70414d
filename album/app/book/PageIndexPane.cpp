#include "album/app/book/PageIndexPane.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "album/app/OvalbumView.h"
#include "album/app/book/AlbumBookStyle.h"
#include "album/app/book/PagePane.h"
#include "album/doc/OvalbumDoc.h"

using namespace albumbook;

void CPageIndexPane::Layout(const QRect& page)
{
    const QFontMetrics metrics(TimesFont(kPageFontSize));
    const int w = metrics.horizontalAdvance("888") * 3 / 2;
    const int top = page.top() + KnobBitmap().height() * 3 / 2;
    const int bottom = page.bottom() + 1 - metrics.height();
    rect_ = QRect(page.right() + 1 - w, top, w, std::max(1, bottom - top));
    rows_ = std::max(1, rect_.height() * 2 / (3 * metrics.height()));
    rowHeight_ = std::max(1, rect_.height() / rows_);
    ShowPage(current_, count_);
}

void CPageIndexPane::ShowPage(int current, int count)
{
    current_ = current;
    count_ = count;
    if (current_ < first_)
        first_ = current_;
    else if (current_ > first_ + rows_ - 1)
        first_ = current_ - rows_ + 1;
}

void CPageIndexPane::Scroll(int delta)
{
    first_ = std::max(0, std::min(count_ - 1, first_ + delta));
}

int CPageIndexPane::PageAt(QPoint at) const
{
    if (!rect_.contains(at))
        return -1;
    const int row = (at.y() - rect_.top()) / rowHeight_;
    return row < rows_ ? first_ + row : -1;
}

void CPageIndexPane::Paint(QPainter& painter, const QRect&)
{
    painter.setFont(TimesFont(kPageFontSize));
    for (int row = 0; row < rows_; ++row) {
        const int page = first_ + row;
        const QRect box(rect_.left(), rect_.top() + row * rowHeight_, rect_.width(), rowHeight_);
        if (page != current_)
            DrawSunkenEdge(painter, box.adjusted(0, 0, -1, -1));
        if (page < count_)
            DrawShadowTextIn(painter, box, QString::number(page + 1),
                             page == current_ ? kSelectedTextColour : kTextColour);
    }
}

QRect CPageIndexPane::OwnClick(QPoint at)
{
    const int page = PageAt(at);
    if (page < 0 || page == current_)
        return {};
    page_.GoToPage(page);
    return page_.Rect();
}

QRect CPageIndexPane::OwnHover(QPoint at)
{
    const int page = PageAt(at);
    if (page < 0 || page == current_)
        return {};
    const int row = page - first_;
    return QRect(rect_.left(), rect_.top() + row * rowHeight_, rect_.width(), rowHeight_);
}

void CPageIndexPane::ButtonUp(QPoint at)
{
    COvalbumDoc* doc = View().GetDocument();
    const COvalbumRec* dragged = View().DraggedRecord();
    const int page = PageAt(at);
    if (!doc || !dragged || page < 0 || page == current_)
        return;
    const size_t index = size_t(page) * size_t(page_.ItemsPerPage()) + (current_ < page ? 1 : 0);
    const auto& records = doc->GetRecords();
    doc->MoveRecord(dragged, index < records.size() ? records[index].get() : nullptr);
    page_.GoToPage(page);
}
