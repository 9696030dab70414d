// The knob above the page index: dragged down or up, it scrolls the index.
#pragma once

#include "album/app/book/AlbumPane.h"

class CPagePane;

class CPageKnobPane : public CAlbumPane {
public:
    CPageKnobPane(COvalbumView& view, CPagePane& page) : CAlbumPane(view), page_(page) {}

    void MouseMove(QPoint at) override;
    void ButtonUp(QPoint at) override;

protected:
    void Layout(const QRect& page) override;
    void Paint(QPainter& painter, const QRect& clip) override;
    // Takes the mouse and remembers where the drag started.
    QRect OwnClick(QPoint at) override;

private:
    CPagePane& page_;
    int lastY_ = 0;
};
