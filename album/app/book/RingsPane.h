// The rings that bind the page to the spine, down the page's left edge.
#pragma once

#include "album/app/book/AlbumPane.h"

class CRingsPane : public CAlbumPane {
public:
    explicit CRingsPane(COvalbumView& view) : CAlbumPane(view) {}

protected:
    void Layout(const QRect& page) override;
    void Paint(QPainter& painter, const QRect& clip) override;
};
