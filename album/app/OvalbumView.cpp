#include "album/app/OvalbumView.h"

#include <QPainter>
#include <QPalette>

#include "album/doc/OvalbumDoc.h"

FW_IMPLEMENT_DYNCREATE(COvalbumView, fw::View)

COvalbumDoc* COvalbumView::GetDocument() const
{
    return dynamic_cast<COvalbumDoc*>(fw::View::GetDocument());
}

void COvalbumView::OnDraw(QPainter& painter)
{
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Button));
}
