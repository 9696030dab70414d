#include "editor/view/QuendleScrollView.h"

#include <QScrollBar>
#include <QStyle>

#include "editor/view/ScrollBars.h"

FW_IMPLEMENT_DYNAMIC(CQuendleScrollView, fw::View)

namespace {

void SetBar(QScrollBar* bar, bool shown, int32_t range, int32_t page, int32_t position)
{
    const bool blocked = bar->blockSignals(true);
    bar->setRange(0, shown ? range : 0);
    bar->setPageStep(std::max(page, 1));
    bar->setSingleStep(std::max(page / 10, 1));
    bar->setValue(std::max(position, 0));
    bar->blockSignals(blocked);
}

}  // namespace

CQuendleScrollView::CQuendleScrollView(QWidget* parent) : fw::View(parent) {}

void CQuendleScrollView::SetScrollSizes(int32_t totalX, int32_t totalY)
{
    totalX_ = totalX;
    totalY_ = totalY;
    UpdateBars();
}

void CQuendleScrollView::UpdateBars()
{
    if (insideUpdate_)
        return;
    insideUpdate_ = true;
    const int barSize = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QSize client = maximumViewportSize();
    const ScrollLayout l = LayOutScrollBars(totalX_, totalY_, client.width(), client.height(), barSize, scrollX_,
                                            scrollY_, centre);
    setHorizontalScrollBarPolicy(l.x.bar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(l.y.bar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    SetBar(horizontalScrollBar(), l.x.bar, l.x.range, l.x.client, l.x.position);
    SetBar(verticalScrollBar(), l.y.bar, l.y.range, l.y.client, l.y.position);
    if (l.x.position != scrollX_ || l.y.position != scrollY_)
        MoveContent(l.x.position, l.y.position);
    insideUpdate_ = false;
}

void CQuendleScrollView::ScrollTo(int32_t x, int32_t y)
{
    const int32_t dx = horizontalScrollBar()->maximum() > 0 ? x - scrollX_ : 0;
    const int32_t dy = verticalScrollBar()->maximum() > 0 ? y - scrollY_ : 0;
    OnScrollBy(dx, dy, true);
}

bool CQuendleScrollView::OnScrollBy(int32_t dx, int32_t dy, bool doScroll)
{
    QScrollBar* hbar = horizontalScrollBar();
    QScrollBar* vbar = verticalScrollBar();
    const int32_t x = hbar->maximum() > 0 ? std::clamp(scrollX_ + dx, 0, hbar->maximum()) : scrollX_;
    const int32_t y = vbar->maximum() > 0 ? std::clamp(scrollY_ + dy, 0, vbar->maximum()) : scrollY_;
    if (x == scrollX_ && y == scrollY_)
        return false;
    if (doScroll) {
        MoveContent(x, y);
        SetBar(hbar, hbar->maximum() > 0, hbar->maximum(), hbar->pageStep(), x);
        SetBar(vbar, vbar->maximum() > 0, vbar->maximum(), vbar->pageStep(), y);
    }
    return true;
}

void CQuendleScrollView::MoveContent(int32_t x, int32_t y)
{
    const int32_t dx = scrollX_ - x, dy = scrollY_ - y;
    scrollX_ = x;
    scrollY_ = y;
    viewport()->scroll(dx, dy);
}

void CQuendleScrollView::scrollContentsBy(int, int)
{
    // The bars moved (by the user): their values are the wanted position.
    const int32_t dx = horizontalScrollBar()->value() - std::max(scrollX_, 0);
    const int32_t dy = verticalScrollBar()->value() - std::max(scrollY_, 0);
    if (OnScrollBy(dx, dy, true) && updateAfterScroll)
        viewport()->repaint();
}

void CQuendleScrollView::resizeEvent(QResizeEvent* event)
{
    fw::View::resizeEvent(event);
    UpdateBars();
}
