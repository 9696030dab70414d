#include "blt/qt/QRegionRgn.h"

#include <vector>

QnRgn QnRgnFromQRegion(const QRegion& region)
{
    std::vector<QnRect> rects;
    rects.reserve(size_t(region.rectCount()));
    for (const QRect& r : region)
        rects.push_back(QnRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    return QnRgn::FromDisjointRects(std::move(rects));
}
