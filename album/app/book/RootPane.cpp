#include "album/app/book/RootPane.h"

#include "album/app/book/PagePane.h"
#include "album/app/book/SpinePane.h"

CRootPane::CRootPane(COvalbumView& view, QSize cell, const std::string& title) : CAlbumPane(view)
{
    spine_ = AddChild<CSpinePane>(title);
    page_ = AddChild<CPagePane>(cell, *spine_);
}

void CRootPane::Layout(const QRect& client)
{
    rect_ = client.adjusted(kMargin, kMargin, -kMargin, -kMargin);
}
