// The whole book: the view's client area inset by a margin, holding the
// spine and the page.
#pragma once

#include <QSize>
#include <string>

#include "album/app/book/AlbumPane.h"

class CPagePane;
class CSpinePane;

class CRootPane : public CAlbumPane {
public:
    static constexpr int kMargin = 10;

    CRootPane(COvalbumView& view, QSize cell, const std::string& title);

    CSpinePane& Spine() const { return *spine_; }
    CPagePane& Page() const { return *page_; }

protected:
    void Layout(const QRect& client) override;

private:
    CSpinePane* spine_;
    CPagePane* page_;
};
