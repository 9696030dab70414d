#include "tasks/sketch/SketchArchive.h"

void SketchWritePoints(fw::Archive& ar, const std::vector<QnPoint>& points)
{
    ar.WriteCount(points.size());
    for (const QnPoint& p : points)
        ar << p.x << p.y;
}

std::vector<QnPoint> SketchReadPoints(fw::Archive& ar)
{
    const uint64_t count = ar.ReadCount();
    ar.RequireStored(count, 8);
    std::vector<QnPoint> points(static_cast<size_t>(count));
    for (QnPoint& p : points)
        ar >> p.x >> p.y;
    return points;
}

void SketchWriteRect(fw::Archive& ar, const QnRect& r)
{
    ar << r.left << r.top << r.right << r.bottom;
}

QnRect SketchReadRect(fw::Archive& ar)
{
    QnRect r;
    ar >> r.left >> r.top >> r.right >> r.bottom;
    return r;
}
