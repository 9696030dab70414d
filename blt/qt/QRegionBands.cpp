#include "blt/qt/QRegionBands.h"

#include <algorithm>
#include <vector>

namespace {

// One band: its rectangles share top and bottom and are sorted by left.
struct Band {
    const QRect* begin;
    const QRect* end;
    int top() const { return begin->top(); }
    int bottom() const { return begin->bottom() + 1; }
};

// The bands of region that meet rows [top, bottom), one after the other.
// The bands follow each other downwards, so where they start is found by
// a binary search; each band ends where the top changes.
template <typename Visit>
void ForEachBandMeeting(const QRegion& region, int top, int bottom, Visit visit)
{
    const QRect* end = region.end();
    const QRect* r = std::partition_point(region.begin(), end, [&](const QRect& q) { return q.bottom() < top; });
    while (r != end && r->top() < bottom) {
        const QRect* bandEnd = r + 1;
        while (bandEnd != end && bandEnd->top() == r->top())
            ++bandEnd;
        visit(Band{r, bandEnd});
        r = bandEnd;
    }
}

// The rectangles of band that meet columns [left, right): found by a
// binary search on their right edges, which grow along the band.
Band Columns(const Band& band, int left, int right)
{
    const QRect* first = std::partition_point(band.begin, band.end, [&](const QRect& q) { return q.right() < left; });
    const QRect* last = std::partition_point(first, band.end, [&](const QRect& q) { return q.left() < right; });
    return {first, last};
}

QRegion FromRects(const std::vector<QRect>& rects)
{
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    return region;
}

}  // namespace

QRect QRegionRowsBox(const QRegion& region, int top, int bottom)
{
    QRect box;
    ForEachBandMeeting(region, top, bottom, [&](const Band& band) {
        // A band's rectangles run from left to right.
        const int y0 = std::max(band.top(), top), y1 = std::min(band.bottom(), bottom);
        box |= QRect(QPoint(band.begin->left(), y0), QPoint((band.end - 1)->right(), y1 - 1));
    });
    return box;
}

QRegion QRegionWithin(const QRegion& region, const QRect& rect)
{
    if (rect.isEmpty() || !region.boundingRect().intersects(rect))
        return QRegion();
    if (rect.contains(region.boundingRect()))
        return region;
    const int left = rect.left(), right = rect.right() + 1;
    const int top = rect.top(), bottom = rect.bottom() + 1;
    std::vector<QRect> rects;
    ForEachBandMeeting(region, top, bottom, [&](const Band& band) {
        const int y0 = std::max(band.top(), top), y1 = std::min(band.bottom(), bottom);
        const Band inside = Columns(band, left, right);
        for (const QRect* r = inside.begin; r != inside.end; ++r) {
            const int x0 = std::max(r->left(), left), x1 = std::min(r->right() + 1, right);
            rects.push_back(QRect(x0, y0, x1 - x0, y1 - y0));
        }
    });
    return FromRects(rects);
}

QRegion QRegionWithout(const QRegion& region, const QRect& rect)
{
    if (rect.isEmpty() || !region.boundingRect().intersects(rect))
        return region;
    if (rect.contains(region.boundingRect()))
        return QRegion();
    const int left = rect.left(), right = rect.right() + 1;
    const int top = rect.top(), bottom = rect.bottom() + 1;
    std::vector<QRect> rects;
    rects.reserve(size_t(region.rectCount()) + 2);
    const QRect* copied = region.begin();
    // Everything up to a band is copied as it is; a band that meets rect
    // becomes the rows above rect, its rows beside rect, and the rows below.
    ForEachBandMeeting(region, top, bottom, [&](const Band& band) {
        rects.insert(rects.end(), copied, band.begin);
        copied = band.end;
        const auto whole = [&](int y0, int y1) {
            if (y0 < y1)
                for (const QRect* r = band.begin; r != band.end; ++r)
                    rects.push_back(QRect(r->left(), y0, r->width(), y1 - y0));
        };
        const int y0 = std::max(band.top(), top), y1 = std::min(band.bottom(), bottom);
        whole(band.top(), y0);
        for (const QRect* r = band.begin; r != band.end; ++r) {
            const int x0 = r->left(), x1 = r->right() + 1;
            if (x0 < left)
                rects.push_back(QRect(x0, y0, std::min(x1, left) - x0, y1 - y0));
            if (x1 > right)
                rects.push_back(QRect(std::max(x0, right), y0, x1 - std::max(x0, right), y1 - y0));
        }
        whole(y1, band.bottom());
    });
    rects.insert(rects.end(), copied, region.end());
    return FromRects(rects);
}
