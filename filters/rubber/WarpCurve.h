// The curves of the Warp mesh: a line through points, each segment a cubic
// between two points whose slopes at its ends average the slopes of the
// segments on either side (a missing neighbour, or one at no distance,
// lends the segment's own slope), evaluated in floating point.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct CurvePoint {
    double along; // the independent coordinate
    double value;
};

// The value at along on the segment from points[i] to points[i + 1].
double SegmentAt(const std::vector<CurvePoint>& points, size_t i, double along);
