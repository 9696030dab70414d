// The column of page numbers at the page's right: a click turns to a page,
// and a record dropped on a number moves to that page.
#pragma once

#include "album/app/book/AlbumPane.h"

class CPagePane;

class CPageIndexPane : public CAlbumPane {
public:
    CPageIndexPane(COvalbumView& view, CPagePane& page) : CAlbumPane(view), page_(page) {}

    // Keeps the current page among the rows shown.
    void ShowPage(int current, int count);
    // Scrolls the rows by delta, within the pages there are.
    void Scroll(int delta);
    int FirstVisible() const { return first_; }
    int Rows() const { return rows_; }
    // The page of the row at a point, or -1.
    int PageAt(QPoint at) const;

    // A record dragged inside the view and let go over a row moves to that
    // row's page, which is then shown.
    void ButtonUp(QPoint at) override;

protected:
    void Layout(const QRect& page) override;
    void Paint(QPainter& painter, const QRect& clip) override;
    QRect OwnClick(QPoint at) override;
    QRect OwnHover(QPoint at) override;

private:
    CPagePane& page_;
    int first_ = 0;
    int rows_ = 1;
    int rowHeight_ = 1;
    int current_ = 0;
    int count_ = 1;
};
