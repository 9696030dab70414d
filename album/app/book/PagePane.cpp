#include "album/app/book/PagePane.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "album/app/OvalbumView.h"
#include "album/app/book/AlbumBookStyle.h"
#include "album/app/book/PageArrowsPane.h"
#include "album/app/book/PageIndexPane.h"
#include "album/app/book/PageKnobPane.h"
#include "album/app/book/RingsPane.h"
#include "album/app/book/SpinePane.h"
#include "album/app/book/ThumbnailImage.h"
#include "album/doc/OvalbumDoc.h"

using namespace albumbook;

CPagePane::CPagePane(COvalbumView& view, QSize cell, const CSpinePane& spine)
    : CAlbumPane(view), spine_(spine), cell_(cell), thumbnail_(cell.width() * 4 / 5, cell.height() * 4 / 5)
{
    AddChild<CRingsPane>();
    arrows_ = AddChild<CPageArrowsPane>(*this);
    AddChild<CPageKnobPane>(*this);
    index_ = AddChild<CPageIndexPane>(*this);
}

void CPagePane::Layout(const QRect& root)
{
    const int ring = RingBitmap().height();
    rect_ = root;
    rect_.setLeft(spine_.Rect().right() + 1 + RingBitmap().width() - 3 * ring);
    const QFontMetrics metrics(TimesFont(kPageFontSize));
    topMargin_ = metrics.height();
    rightMargin_ = metrics.horizontalAdvance("888") * 3 / 2;
    leftMargin_ = 2 * ring;
    const int usableWidth = rect_.width() - leftMargin_ - rightMargin_;
    const int usableHeight = rect_.height() - 2 * topMargin_;
    itemsPerPage_ = std::max(1, std::max(0, usableWidth / cell_.width()) * std::max(0, usableHeight / cell_.height()));

    int shown = 0;
    if (const COvalbumDoc* doc = View().GetDocument()) {
        const auto& records = doc->GetRecords();
        for (size_t i = 0; i < records.size(); ++i)
            shown += records[i]->hasThumbnail && doc->Passes(*records[i], int32_t(i)) ? 1 : 0;
    }
    pageCount_ = shown / itemsPerPage_ + 1;
    currentPage_ = std::clamp(currentPage_, 0, pageCount_ - 1);
    AfterTurn();
}

CPagePane::Grid CPagePane::GetGrid() const
{
    Grid grid;
    const int usableWidth = rect_.width() - leftMargin_ - rightMargin_;
    const int usableHeight = rect_.height() - 2 * topMargin_;
    grid.columns = std::max(1, usableWidth / cell_.width());
    grid.rows = std::max(1, usableHeight / cell_.height());
    // A page too small for one cell still gives its one cell a cell's size.
    grid.columnStep = std::max(cell_.width(), usableWidth / grid.columns);
    grid.rowStep = std::max(cell_.height(), usableHeight / grid.rows);
    grid.origin = QPoint(rect_.left() + leftMargin_, rect_.top() + topMargin_);
    return grid;
}

template <class Visit>
void CPagePane::ForEachCell(Visit visit) const
{
    const COvalbumDoc* doc = View().GetDocument();
    std::vector<COvalbumRec*> page;
    if (doc) {
        const auto found = doc->GetFoundRecords();
        const size_t first = size_t(currentPage_) * size_t(itemsPerPage_);
        for (size_t i = first; i < found.size() && i < first + size_t(itemsPerPage_); ++i)
            page.push_back(found[i]);
    }
    const Grid grid = GetGrid();
    size_t next = 0;
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column) {
            const QRect cell(grid.origin.x() + column * grid.columnStep, grid.origin.y() + row * grid.rowStep,
                             grid.columnStep, grid.rowStep);
            // Cells run while a whole one fits; the first is always there.
            if ((row || column) && (cell.right() > rect_.right() || cell.bottom() > rect_.bottom()))
                return;
            visit(next < page.size() ? page[next] : nullptr, cell);
            ++next;
        }
}

COvalbumRec* CPagePane::RecordAt(QPoint at) const
{
    COvalbumRec* hit = nullptr;
    ForEachCell([&](COvalbumRec* record, const QRect& cell) {
        if (record && !hit && cell.contains(at))
            hit = record;
    });
    return hit;
}

QRect CPagePane::CellOf(const COvalbumRec* record) const
{
    QRect found;
    ForEachCell([&](const COvalbumRec* r, const QRect& cell) {
        if (r && r == record)
            found = cell;
    });
    return found;
}

void CPagePane::GoToPage(int page)
{
    currentPage_ = std::clamp(page, 0, pageCount_ - 1);
    marqueeRect_ = {};
    AfterTurn();
}

void CPagePane::AfterTurn()
{
    arrows_->SetFlags(currentPage_ > 0, currentPage_ < pageCount_ - 1);
    index_->ShowPage(currentPage_, pageCount_);
}

void CPagePane::BringIntoSight(const COvalbumRec* record)
{
    const COvalbumDoc* doc = View().GetDocument();
    if (!doc || !record)
        return;
    const auto found = doc->GetFoundRecords();
    const auto it = std::find(found.begin(), found.end(), record);
    if (it != found.end())
        GoToPage(int((it - found.begin()) / itemsPerPage_));
}

void CPagePane::Paint(QPainter& painter, const QRect& clip)
{
    const int ring = RingBitmap().height();
    // Set again below while the selected name still needs to scroll.
    if (clip.contains(marqueeRect_))
        marqueeRect_ = {};
    DrawPaperWithHoles(painter, rect_, rect_.left() + ring / 2);
    painter.setFont(TimesFont(kPageFontSize));
    const int line = painter.fontMetrics().height();
    DrawShadowTextIn(painter, QRect(rect_.left(), rect_.bottom() - line, rect_.width(), line),
                     QString("- %1 -").arg(currentPage_ + 1), kTextColour);
    painter.setFont(TimesFont(kPageFontSize * 2 / 3));
    ForEachCell([&](const COvalbumRec* record, const QRect& cell) {
        if (cell.intersects(clip))
            PaintCell(painter, record, cell);
    });
}

void CPagePane::PaintCell(QPainter& painter, const COvalbumRec* record, const QRect& cell)
{
    const QRect slot(cell.left() + (cell.width() - thumbnail_.width()) / 2, cell.top(), thumbnail_.width(),
                     thumbnail_.height());
    painter.fillRect(slot, Qt::white);
    const bool selected = record && record->selected;
    const QColor colour = selected ? kSelectedTextColour : kTextColour;
    if (record) {
        if (record->hasThumbnail) {
            const QImage image = ThumbnailImage(record->thumbnail);
            painter.drawImage(slot.left() + (slot.width() - image.width()) / 2,
                              slot.top() + (slot.height() - image.height()) / 2, image);
        }
        const std::string& path = record->path;
        const QString name = QString::fromStdString(path.substr(path.find_last_of("/\\") + 1));
        const QFontMetrics metrics(painter.font());
        const int width = metrics.horizontalAdvance(name);
        const QRect line(slot.left(), slot.bottom() + 1, slot.width(), metrics.height());
        int x = width <= line.width() ? line.left() + (line.width() - width) / 2 : line.left();
        if (selected && width > line.width()) {
            // The page remembers where the scrolling name is.
            if (marqueeRect_ != line) {
                marqueeRect_ = line;
                marqueeOffset_ = 0;
            }
            marqueeTextWidth_ = width;
            x += marqueeOffset_;
        }
        painter.save();
        painter.setClipRect(line);
        DrawShadowText(painter, QPoint(x, line.top()), name, colour);
        painter.restore();
    }
    // Photo corners at the slot's four corners.
    const int e = cell_.height() / 24;
    const int f = cell_.height() / 6 - e;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const int l = slot.left(), t = slot.top(), r = slot.right() + 1, b = slot.bottom() + 1;
    painter.drawPolygon(QPolygon({QPoint(l - e, t + f), QPoint(l - e, t - e), QPoint(l + f, t - e)}));
    painter.drawPolygon(QPolygon({QPoint(r + e, t + f), QPoint(r + e, t - e), QPoint(r - f, t - e)}));
    painter.drawPolygon(QPolygon({QPoint(l - e, b - f), QPoint(l - e, b + e), QPoint(l + f, b + e)}));
    painter.drawPolygon(QPolygon({QPoint(r + e, b - f), QPoint(r + e, b + e), QPoint(r - f, b + e)}));
    painter.setBrush(Qt::NoBrush);
}

QRect CPagePane::TickMarquee()
{
    if (marqueeRect_.isEmpty())
        return {};
    marqueeOffset_ -= kMarqueeStep;
    if (marqueeOffset_ < -marqueeTextWidth_)
        marqueeOffset_ = marqueeRect_.width();
    return marqueeRect_;
}
