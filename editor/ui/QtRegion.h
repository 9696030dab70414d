// Regions and rectangles between the render library and Qt's painting:
// both keep right and bottom exclusive, so the conversions are exact.
#pragma once

#include "render/Rgn.h"

#include <QRect>
#include <QRegion>

inline QRect LdToQRect(const QnRect& r)
{
    return QRect(r.left, r.top, int(r.Width()), int(r.Height()));
}

inline QnRgn LdToQnRgn(const QRegion& region)
{
    QnRgn rgn;
    for (const QRect& r : region)
        rgn += QnRgn(QnRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    return rgn;
}

inline QRegion LdToQRegion(const QnRgn& rgn)
{
    QRegion region;
    for (const QnRect& r : rgn.rects())
        region += LdToQRect(r);
    return region;
}
