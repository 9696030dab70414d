#include "blt/qt/QRegionBands.h"

#include <algorithm>
#include <vector>

namespace {

struct BandRange {
    const QRect* begin;
    const QRect* end;
};

// The whole bands of region whose rows meet [top, bottom). Within one band
// every rectangle has the band's top and bottom, and the bands follow each
// other downwards, so both ends are found by binary search.
BandRange BandsMeeting(const QRegion& region, int top, int bottom)
{
    const QRect* begin = region.begin();
    const QRect* end = region.end();
    const QRect* first = std::partition_point(begin, end, [&](const QRect& r) { return r.bottom() < top; });
    const QRect* last = std::partition_point(first, end, [&](const QRect& r) { return r.top() < bottom; });
    return {first, last};
}

QRegion FromBands(const QRect* begin, const QRect* end)
{
    QRegion region;
    region.setRects(begin, int(end - begin));
    return region;
}

}  // namespace

QRegion QRegionWithin(const QRegion& region, const QRect& rect)
{
    if (rect.isEmpty() || !region.boundingRect().intersects(rect))
        return QRegion();
    if (rect.contains(region.boundingRect()))
        return region;
    const BandRange bands = BandsMeeting(region, rect.top(), rect.bottom() + 1);
    return FromBands(bands.begin, bands.end).intersected(rect);
}

QRegion QRegionWithout(const QRegion& region, const QRect& rect)
{
    if (rect.isEmpty() || !region.boundingRect().intersects(rect))
        return region;
    if (rect.contains(region.boundingRect()))
        return QRegion();
    const BandRange bands = BandsMeeting(region, rect.top(), rect.bottom() + 1);
    const QRegion middle = FromBands(bands.begin, bands.end).subtracted(rect);
    // The bands above, what is left of the middle ones and the bands below
    // follow each other downwards: together they are banded already.
    std::vector<QRect> rects;
    rects.reserve(size_t(region.rectCount()));
    rects.insert(rects.end(), region.begin(), bands.begin);
    rects.insert(rects.end(), middle.begin(), middle.end());
    rects.insert(rects.end(), bands.end, region.end());
    return FromBands(rects.data(), rects.data() + rects.size());
}
