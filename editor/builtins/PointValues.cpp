#include "editor/builtins/PointValues.h"

#include <algorithm>

#include "editor/builtins/Compare3.h"

namespace {
// A stroke's list starts with room for this many points and doubles.
constexpr size_t kFirstCapacity = 512;
}  // namespace

int FlPoint::Compare(const PpQnFlVal& other) const
{
    const QnPoint& theirs = static_cast<const FlPoint*>(other.Get())->point_;
    if (int r = QnCompare3(point_.x, theirs.x))
        return r;
    return QnCompare3(point_.y, theirs.y);
}

FlPointArray::FlPointArray(const std::vector<QnPoint>& points) : QnFlVal(1)
{
    if (!points.empty())
        points_.reserve(std::max(kFirstCapacity, points.size()));
    points_.assign(points.begin(), points.end());
}

PpFlPoint MakeFlPoint(const QnPoint& point)
{
    return QnCreate<FlPoint>(point);
}

PpFlPointArray MakeFlPointArray(const std::vector<QnPoint>& points)
{
    return QnCreate<FlPointArray>(points);
}
