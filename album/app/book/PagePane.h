// The page of the book: a grid of photo slots showing one page of the
// records that pass the search filter, turned page by page, with the ring
// strip, the arrows, the knob and the page index as its children. The name
// of the selected record scrolls when it does not fit under its slot.
#pragma once

#include <QSize>

#include "album/app/book/AlbumPane.h"

class COvalbumRec;
class CPageArrowsPane;
class CPageIndexPane;
class CSpinePane;

class CPagePane : public CAlbumPane {
public:
    static constexpr int kMarqueeStep = 2;

    CPagePane(COvalbumView& view, QSize cell, const CSpinePane& spine);

    // Where the cells lie: from origin, columns by rows, a step apart.
    struct Grid {
        QPoint origin;
        int columns = 1, rows = 1;
        int columnStep = 0, rowStep = 0;
    };
    Grid GetGrid() const;
    int ItemsPerPage() const { return itemsPerPage_; }
    int PageCount() const { return pageCount_; }
    int CurrentPage() const { return currentPage_; }
    CPageIndexPane& Index() const { return *index_; }
    const CPageArrowsPane& Arrows() const { return *arrows_; }

    // Turning, each within the first and the last page.
    void GoToPage(int page);
    void NextPage() { GoToPage(currentPage_ + 1); }
    void PreviousPage() { GoToPage(currentPage_ - 1); }
    // Turns to the page that shows record (when the filter lets it show).
    void BringIntoSight(const COvalbumRec* record);

    // The record whose cell holds the point on this page, or null.
    COvalbumRec* RecordAt(QPoint at) const;
    // The cell of a record on this page, or empty.
    QRect CellOf(const COvalbumRec* record) const;

    // Moves the marquee on by a step and answers the rectangle to repaint
    // (empty while no name scrolls).
    QRect TickMarquee();
    int MarqueeOffset() const { return marqueeOffset_; }

protected:
    void Layout(const QRect& root) override;
    void Paint(QPainter& painter, const QRect& clip) override;
    QRect OwnClick(QPoint) override { return rect_; }

private:
    // Calls visit(record or null, cell) for every cell of the current page.
    template <class Visit>
    void ForEachCell(Visit visit) const;
    void PaintCell(QPainter& painter, const COvalbumRec* record, const QRect& cell);
    void AfterTurn();

    const CSpinePane& spine_;
    QSize cell_;
    QSize thumbnail_;
    int topMargin_ = 0, leftMargin_ = 0, rightMargin_ = 0;
    int itemsPerPage_ = 1;
    int pageCount_ = 1;
    int currentPage_ = 0;
    int marqueeOffset_ = 0;
    int marqueeTextWidth_ = 0;
    QRect marqueeRect_;
    CPageArrowsPane* arrows_;
    CPageIndexPane* index_;
};
