#include "blt/qt/QRegionRgn.h"

#include <climits>
#include <cstdint>
#include <span>
#include <vector>

QnRgn QnRgnFromQRegion(const QRegion& region)
{
    std::vector<QnRect> rects;
    rects.reserve(size_t(region.rectCount()));
    for (const QRect& r : region)
        rects.push_back(QnRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    return QnRgn::FromDisjointRects(std::move(rects));
}

namespace {

QRect ToQRect(const QnRect& r)
{
    return QRect(r.left, r.top, int(r.Width()), int(r.Height()));
}

QRegion JoinHalves(std::span<const QnRect> rects)
{
    if (rects.size() == 1)
        return QRegion(ToQRect(rects.front()));
    const size_t half = rects.size() / 2;
    return JoinHalves(rects.first(half)) + JoinHalves(rects.subspan(half));
}

}  // namespace

QRegion QRegionFromRgn(const QnRgn& rgn)
{
    const std::span<const QnRect> list = rgn.rects();
    if (list.empty())
        return QRegion();
    std::vector<QRect> banded;
    banded.reserve(list.size());
    int32_t bandTop = list.front().top, bandBottom = list.front().bottom, above = INT32_MIN;
    for (size_t i = 0; i < list.size(); ++i) {
        const QnRect& r = list[i];
        if (r.top != bandTop) {
            above = bandBottom;
            bandTop = r.top;
            bandBottom = r.bottom;
        }
        if (r.bottom != bandBottom || r.top < above)
            return JoinHalves(list);
        if (i > 0 && list[i - 1].top == r.top && list[i - 1].right == r.left)
            banded.back().setRight(r.right - 1);
        else
            banded.push_back(ToQRect(r));
    }
    QRegion region;
    region.setRects(banded.data(), int(banded.size()));
    return region;
}
