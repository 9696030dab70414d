// Ellipse and polygon regions against a direct test of each pixel centre, and
// the properties any fair rasterisation keeps: symmetry, area close to the
// analytic one, containment, and regions whose rectangles are disjoint.
#include "render/RgnShapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace {

int64_t Area(const QnRgn& rgn)
{
    int64_t area = 0;
    for (const QnRect& r : rgn.rects())
        area += r.Width() * r.Height();
    return area;
}

bool Holds(const QnRgn& rgn, int32_t x, int32_t y)
{
    return !rgn.from_point(QnPoint{x, y}).IsEmpty();
}

// The region's rectangles must not overlap: the sum of their areas is the
// number of pixels they hold.
int64_t CountPixels(const QnRgn& rgn)
{
    int64_t n = 0;
    const QnRect b = rgn.box();
    for (int32_t y = b.top; y < b.bottom; ++y)
        for (int32_t x = b.left; x < b.right; ++x)
            n += Holds(rgn, x, y);
    return n;
}

bool InEllipse(const QnRect& box, int32_t x, int32_t y)
{
    const int64_t a = box.Width(), b = box.Height();
    const int64_t X = 2 * int64_t(x) + 1 - box.left - box.right;
    const int64_t Y = 2 * int64_t(y) + 1 - box.top - box.bottom;
    return X * X * b * b + Y * Y * a * a <= a * a * b * b;
}

// Winding number of the centre of pixel (x, y) by casting a ray to the left,
// in doubled coordinates where the centre and the vertices are integers: an
// edge counts when it crosses the centre's row at or left of the centre.
int WindingAt(const std::vector<QnPoint>& pts, int32_t x, int32_t y)
{
    const int64_t px = 2 * int64_t(x) + 1, py = 2 * int64_t(y) + 1;
    int winding = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        const int64_t x0 = 2 * int64_t(pts[i].x), y0 = 2 * int64_t(pts[i].y);
        const int64_t x1 = 2 * int64_t(pts[(i + 1) % pts.size()].x), y1 = 2 * int64_t(pts[(i + 1) % pts.size()].y);
        if ((y0 < py) == (y1 < py))
            continue;
        const int64_t dy = y1 - y0;
        const int64_t lhs = x0 * dy + (py - y0) * (x1 - x0); // crossing x times dy
        const bool atOrLeft = dy > 0 ? lhs <= px * dy : lhs >= px * dy;
        if (atOrLeft)
            winding += dy > 0 ? 1 : -1;
    }
    return winding;
}

QnRgn MirrorX(const QnRgn& rgn, int32_t sum)
{
    std::vector<QnRect> rects;
    for (const QnRect& r : rgn.rects())
        rects.push_back(QnRect{sum - r.right, r.top, sum - r.left, r.bottom});
    return QnRgn::FromDisjointRects(rects);
}

QnRgn MirrorY(const QnRgn& rgn, int32_t sum)
{
    std::vector<QnRect> rects;
    for (const QnRect& r : rgn.rects())
        rects.push_back(QnRect{r.left, sum - r.bottom, r.right, sum - r.top});
    return QnRgn::FromDisjointRects(rects);
}

QnRect RandomBox(std::mt19937& gen, int maxSide)
{
    std::uniform_int_distribution<int> pos(-50, 50), side(1, maxSide);
    const int l = pos(gen), t = pos(gen);
    return QnRect{l, t, l + side(gen), t + side(gen)};
}

TEST(RgnShapes, EllipseMatchesCentreTestAndIsSymmetric)
{
    std::mt19937 gen(17);
    for (int round = 0; round < 300; ++round) {
        const QnRect box = RandomBox(gen, 60);
        const QnRgn rgn = QnEllipseRgn(box);
        SCOPED_TRACE(testing::Message() << "box " << box.left << "," << box.top << "," << box.right << ","
                                        << box.bottom);
        for (int32_t y = box.top - 1; y <= box.bottom; ++y)
            for (int32_t x = box.left - 1; x <= box.right; ++x)
                ASSERT_EQ(Holds(rgn, x, y), InEllipse(box, x, y)) << x << "," << y;
        EXPECT_EQ(CountPixels(rgn), Area(rgn));
        EXPECT_TRUE(MirrorX(rgn, box.left + box.right) == rgn);
        EXPECT_TRUE(MirrorY(rgn, box.top + box.bottom) == rgn);
    }
}

TEST(RgnShapes, EllipseAreaWithinOneRowAndNested)
{
    std::mt19937 gen(5);
    for (int round = 0; round < 200; ++round) {
        const QnRect box = RandomBox(gen, 400);
        const QnRgn rgn = QnEllipseRgn(box);
        const double analytic = std::numbers::pi * double(box.Width()) * double(box.Height()) / 4;
        EXPECT_LE(std::abs(double(Area(rgn)) - analytic), double(std::max(box.Width(), box.Height())));
        EXPECT_TRUE((rgn - QnRgn(box)).count() == 0);
        if (box.Width() > 2 && box.Height() > 2) {
            const QnRgn inner = QnEllipseRgn(QnRect{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1});
            EXPECT_EQ((inner - rgn).count(), 0u);
        }
    }
}

TEST(RgnShapes, DegenerateShapes)
{
    EXPECT_EQ(QnEllipseRgn(QnRect{5, 5, 5, 9}).count(), 0u);
    EXPECT_TRUE(QnEllipseRgn(QnRect{3, 4, 4, 5}) == QnRgn(QnRect{3, 4, 4, 5}));
    const std::vector<QnPoint> two{{0, 0}, {10, 10}};
    EXPECT_EQ(QnPolygonRgn(two, QnPolyFill::Winding).count(), 0u);
    const std::vector<QnPoint> flat{{0, 3}, {10, 3}, {20, 3}};
    EXPECT_EQ(QnPolygonRgn(flat, QnPolyFill::Alternate).count(), 0u);
    // A rectangle traced as a polygon is that rectangle, in one piece.
    const std::vector<QnPoint> rect{{2, 3}, {12, 3}, {12, 9}, {2, 9}};
    const QnRgn r = QnPolygonRgn(rect, QnPolyFill::Alternate);
    EXPECT_TRUE(r == QnRgn(QnRect{2, 3, 12, 9}));
    EXPECT_EQ(r.count(), 1u);
}

TEST(RgnShapes, PolygonMatchesCentreTestUnderBothRules)
{
    std::mt19937 gen(99);
    std::uniform_int_distribution<int> coord(-20, 40), count(3, 9);
    for (int round = 0; round < 400; ++round) {
        std::vector<QnPoint> pts(size_t(count(gen)));
        for (QnPoint& p : pts)
            p = QnPoint{coord(gen), coord(gen)};
        const QnRgn alternate = QnPolygonRgn(pts, QnPolyFill::Alternate);
        const QnRgn winding = QnPolygonRgn(pts, QnPolyFill::Winding);
        for (int32_t y = -21; y <= 41; ++y) {
            for (int32_t x = -21; x <= 41; ++x) {
                const int w = WindingAt(pts, x, y);
                ASSERT_EQ(Holds(alternate, x, y), (w & 1) != 0) << "round " << round << " at " << x << "," << y;
                ASSERT_EQ(Holds(winding, x, y), w != 0) << "round " << round << " at " << x << "," << y;
            }
        }
        EXPECT_EQ(CountPixels(winding), Area(winding));
        EXPECT_EQ((alternate - winding).count(), 0u);

        // The same outline from another start or the other way round, and
        // moved, fills the same (moved) pixels.
        std::vector<QnPoint> turned(pts.rbegin(), pts.rend());
        std::rotate(turned.begin(), turned.begin() + 1, turned.end());
        EXPECT_TRUE(QnPolygonRgn(turned, QnPolyFill::Winding) == winding);
        std::vector<QnPoint> moved = pts;
        for (QnPoint& p : moved)
            p = QnPoint{p.x + 7, p.y - 3};
        std::vector<QnRect> shifted;
        for (const QnRect& r : alternate.rects())
            shifted.push_back(QnRect{r.left + 7, r.top - 3, r.right + 7, r.bottom - 3});
        EXPECT_TRUE(QnPolygonRgn(moved, QnPolyFill::Alternate) == QnRgn::FromDisjointRects(shifted));
    }
}

TEST(RgnShapes, StarFillsItsCentreOnlyByWinding)
{
    const std::vector<QnPoint> star{{50, 0}, {79, 90}, {2, 34}, {98, 34}, {21, 90}};
    EXPECT_FALSE(Holds(QnPolygonRgn(star, QnPolyFill::Alternate), 50, 50));
    EXPECT_TRUE(Holds(QnPolygonRgn(star, QnPolyFill::Winding), 50, 50));
}

TEST(RgnShapes, ConvexPolygonAreaWithinOneRow)
{
    std::mt19937 gen(3);
    std::uniform_real_distribution<double> angle(0, 2 * std::numbers::pi);
    std::uniform_int_distribution<int> radius(5, 300);
    for (int round = 0; round < 100; ++round) {
        std::vector<double> angles(8);
        for (double& a : angles)
            a = angle(gen);
        std::sort(angles.begin(), angles.end());
        const int rad = radius(gen);
        std::vector<QnPoint> pts;
        for (double a : angles)
            pts.push_back(QnPoint{int32_t(std::lround(rad * std::cos(a))), int32_t(std::lround(rad * std::sin(a)))});
        double twice = 0;
        for (size_t i = 0; i < pts.size(); ++i) {
            const QnPoint& p = pts[i];
            const QnPoint& q = pts[(i + 1) % pts.size()];
            twice += double(p.x) * q.y - double(q.x) * p.y;
        }
        const QnRgn rgn = QnPolygonRgn(pts, QnPolyFill::Alternate);
        const QnRect box = rgn.box();
        EXPECT_LE(std::abs(double(Area(rgn)) - std::abs(twice) / 2), double(box.Width() + box.Height()) + 1);
    }
}

} // namespace
