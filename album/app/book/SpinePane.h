// The book's spine: a paper strip at the left with ring holes and the
// album's title written upwards.
#pragma once

#include <QString>
#include <string>

#include "album/app/book/AlbumPane.h"

class CSpinePane : public CAlbumPane {
public:
    CSpinePane(COvalbumView& view, const std::string& title);

protected:
    void Layout(const QRect& root) override;
    void Paint(QPainter& painter, const QRect& clip) override;
    QRect OwnClick(QPoint) override { return rect_; }

private:
    QString title_;
};
