#include "filters/rubber/WarpCurve.h"

double SegmentAt(const std::vector<CurvePoint>& points, size_t i, double along)
{
    const CurvePoint& p1 = points[i];
    const CurvePoint& p2 = points[i + 1];
    const double d = p2.along - p1.along;
    if (d == 0)
        return p1.value;
    const double s = (p2.value - p1.value) / d;
    double before = s, after = s;
    if (i > 0 && p1.along != points[i - 1].along)
        before = (p1.value - points[i - 1].value) / (p1.along - points[i - 1].along);
    if (i + 2 < points.size() && points[i + 2].along != p2.along)
        after = (points[i + 2].value - p2.value) / (points[i + 2].along - p2.along);
    const double m1 = (before + s) / 2, m2 = (s + after) / 2;
    const double c2 = (3 * s - m2 - 2 * m1) / d;
    const double c3 = ((p2.value - p1.value) - d * d * c2 - m1 * d) / (d * d * d);
    const double t = along - p1.along;
    return p1.value + m1 * t + c2 * t * t + c3 * t * t * t;
}
