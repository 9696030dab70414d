// The "<" and ">" at the bottom right of the page that turn it.
#pragma once

#include "album/app/book/AlbumPane.h"

class CPagePane;

class CPageArrowsPane : public CAlbumPane {
public:
    CPageArrowsPane(COvalbumView& view, CPagePane& page) : CAlbumPane(view), page_(page) {}

    void SetFlags(bool previous, bool next) { previous_ = previous, next_ = next; }
    bool Previous() const { return previous_; }
    bool Next() const { return next_; }

protected:
    void Layout(const QRect& page) override;
    void Paint(QPainter& painter, const QRect& clip) override;
    // The right half turns on, the left half back.
    QRect OwnClick(QPoint at) override;

private:
    CPagePane& page_;
    bool previous_ = false;
    bool next_ = false;
};
