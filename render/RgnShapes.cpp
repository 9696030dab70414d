#include "render/RgnShapes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

using Wide = __int128;
using UWide = unsigned __int128;

// Floor and ceiling of a / b for b > 0.
int64_t FloorDiv(Wide a, Wide b)
{
    Wide q = a / b;
    if (a % b != 0 && a < 0)
        --q;
    return int64_t(q);
}

int64_t CeilDiv(Wide a, Wide b)
{
    return -FloorDiv(-a, b);
}

// Builds the region row by row from spans [left, right), joining a row to the
// band above when both hold the same spans, so that straight-sided shapes
// stay a few rectangles.
class BandBuilder {
public:
    void AddRow(int32_t y, std::vector<std::pair<int32_t, int32_t>>& spans)
    {
        if (y == bandBottom_ && spans == bandSpans_) {
            ++bandBottom_;
            return;
        }
        Flush();
        bandTop_ = y;
        bandBottom_ = y + 1;
        bandSpans_.swap(spans);
    }

    QnRgn Finish()
    {
        Flush();
        return QnRgn::FromDisjointRects(std::move(rects_));
    }

private:
    void Flush()
    {
        for (const auto& [l, r] : bandSpans_)
            rects_.push_back(QnRect{l, bandTop_, r, bandBottom_});
        bandSpans_.clear();
    }

    int32_t bandTop_ = 0;
    int32_t bandBottom_ = 0;
    std::vector<std::pair<int32_t, int32_t>> bandSpans_;
    std::vector<QnRect> rects_;
};

} // namespace

QnRgn QnEllipseRgn(const QnRect& box)
{
    if (box.IsEmpty())
        return QnRgn();
    // Doubled coordinates make every centre an integer: X = 2x + 1 - (l + r)
    // and Y = 2y + 1 - (t + b) against the doubled radii A and B. A centre is
    // inside when X^2 B^2 + Y^2 A^2 <= A^2 B^2.
    const int64_t sumX = int64_t(box.left) + box.right, sumY = int64_t(box.top) + box.bottom;
    const UWide a = UWide(box.Width()), b = UWide(box.Height());
    const UWide a2 = a * a, b2 = b * b;
    BandBuilder bands;
    std::vector<std::pair<int32_t, int32_t>> spans;
    for (int32_t y = box.top; y < box.bottom; ++y) {
        const int64_t yy = 2 * int64_t(y) + 1 - sumY;
        const UWide y2 = UWide(Wide(yy) * yy);
        spans.clear();
        if (y2 <= b2) {
            // The largest X with X^2 B^2 <= A^2 (B^2 - Y^2), from a floating
            // guess corrected exactly.
            const UWide limit = a2 * (b2 - y2);
            const long double guess = std::sqrt((long double)(limit) / (long double)(b2));
            int64_t xmax = int64_t(guess);
            while (xmax > 0 && UWide(xmax) * UWide(xmax) * b2 > limit)
                --xmax;
            while (UWide(xmax + 1) * UWide(xmax + 1) * b2 <= limit)
                ++xmax;
            // Pixels with -xmax <= 2x + 1 - sumX <= xmax.
            const int64_t left = CeilDiv(Wide(sumX) - 1 - xmax, 2);
            const int64_t right = FloorDiv(Wide(sumX) - 1 + xmax, 2) + 1;
            if (left < right)
                spans.emplace_back(int32_t(left), int32_t(right));
        }
        bands.AddRow(y, spans);
    }
    return bands.Finish();
}

QnRgn QnPolygonRgn(std::span<const QnPoint> points, QnPolyFill fill)
{
    if (points.size() < 3)
        return QnRgn();
    int32_t top = points[0].y, bottom = points[0].y;
    for (const QnPoint& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    struct Crossing {
        int64_t firstPixel; // the first pixel whose centre is at or right of the crossing
        int direction;      // +1 downwards, -1 upwards
    };
    BandBuilder bands;
    std::vector<Crossing> crossings;
    std::vector<std::pair<int32_t, int32_t>> spans;
    for (int32_t y = top; y < bottom; ++y) {
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const QnPoint& p0 = points[i];
            const QnPoint& p1 = points[(i + 1) % points.size()];
            // The centre line y + 0.5 is never a vertex's row, so an edge
            // crosses it exactly when its ends lie on either side.
            if ((p0.y <= y) == (p1.y <= y))
                continue;
            Wide dy = Wide(p1.y) - p0.y;
            Wide dx = Wide(p1.x) - p0.x;
            // Twice the crossing's x is num / den; the first centre 2x + 1 at
            // or right of it has x = ceil((num - den) / (2 den)).
            Wide num = 2 * Wide(p0.x) * dy + (2 * Wide(y) + 1 - 2 * Wide(p0.y)) * dx;
            Wide den = dy;
            if (den < 0) {
                num = -num;
                den = -den;
            }
            crossings.push_back({CeilDiv(num - den, 2 * den), dy > 0 ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.firstPixel < b.firstPixel; });
        spans.clear();
        int winding = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += fill == QnPolyFill::Alternate ? 1 : crossings[i].direction;
            const bool inside = fill == QnPolyFill::Alternate ? (winding & 1) != 0 : winding != 0;
            const int64_t l = crossings[i].firstPixel, r = crossings[i + 1].firstPixel;
            if (!inside || l >= r)
                continue;
            if (!spans.empty() && spans.back().second == l)
                spans.back().second = int32_t(r);
            else
                spans.emplace_back(int32_t(l), int32_t(r));
        }
        bands.AddRow(y, spans);
    }
    return bands.Finish();
}
