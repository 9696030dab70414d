#include "blt/RgnMap.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// Runs of scattered lengths on neighbouring rows, a ring and a block that
// touch others: rectangles that share edges, as a selection's are.
QnRgn SpeckledRegion()
{
    std::mt19937 random(7);
    std::vector<QnRect> rects;
    for (int32_t y = 0; y < 30; ++y) {
        for (int32_t x = 0; x < 90;) {
            const int32_t run = 1 + int32_t(random() % 5);
            if (random() % 2)
                rects.push_back(QnRect{x, y, x + run, y + 1});
            x += run;
        }
    }
    QnRgn r = QnRgn::FromDisjointRects(std::move(rects));
    r += QnRgn(QnRect{10, 40, 60, 70}) - QnRgn(QnRect{20, 50, 40, 60});
    r += QnRgn(QnRect{60, 35, 75, 80});
    return r;
}

// The union of the mapped rectangles, one at a time.
template <typename Map>
QnRgn UnionOfMapped(const QnRgn& rgn, Map map)
{
    QnRgn out;
    for (const QnRect& r : rgn.rects()) {
        const QnRect m = map(r);
        if (!m.IsEmpty())
            out += QnRgn(m);
    }
    return out;
}

void ExpectDisjointAndSorted(const QnRgn& rgn)
{
    const auto rects = rgn.rects();
    for (size_t i = 0; i < rects.size(); ++i) {
        if (i > 0) {
            EXPECT_TRUE(QnRectBefore(rects[i - 1], rects[i])) << i;
        }
        for (size_t j = i + 1; j < rects.size(); ++j) {
            EXPECT_FALSE(QnRectsMeet(rects[i], rects[j])) << i << " " << j;
        }
    }
}

struct MappingCase {
    const char* what;
    QnPoint windowOrg, windowExt, viewportOrg, viewportExt;
};

const MappingCase kMappings[] = {
    {"identity", {0, 0}, {1, 1}, {0, 0}, {1, 1}},
    {"shrunk to a third, neighbours rounded together", {0, 0}, {3, 3}, {5, 5}, {1, 1}},
    {"enlarged", {-4, 6}, {2, 3}, {100, 200}, {7, 10}},
    {"y reversed", {0, 0}, {1, 1}, {0, 300}, {2, -2}},
    {"x reversed", {0, 0}, {-2, 1}, {0, 0}, {3, 1}},
    {"past the 32-bit end", {0, 0}, {1, 1}, {kMax - 500, 0}, {10, 1}},
};

TEST(RgnMap, MappedRegionHoldsTheMappedRectanglesDisjoint)
{
    const QnRgn region = SpeckledRegion();
    ASSERT_GT(region.count(), 400u);
    for (const MappingCase& c : kMappings) {
        SCOPED_TRACE(c.what);
        DcMapping m;
        m.SetMapMode(QN_MM_ANISOTROPIC);
        m.SetWindowOrg(c.windowOrg);
        m.SetWindowExt(c.windowExt);
        m.SetViewportOrg(c.viewportOrg);
        m.SetViewportExt(c.viewportExt);
        const QnRgn mapped = QnLPtoDPRgn(m, region);
        EXPECT_TRUE(mapped == UnionOfMapped(region, [&](const QnRect& r) { return m.LPtoDP(r); }));
        ExpectDisjointAndSorted(mapped);
    }
}

TEST(RgnMap, MovedRegionStopsAtThe32BitEnds)
{
    const QnRgn region = SpeckledRegion();
    for (const QnPoint d : {QnPoint{7, -3}, QnPoint{kMax - 40, 0}, QnPoint{0, -kMax}}) {
        SCOPED_TRACE(testing::Message() << d.x << "," << d.y);
        const QnRgn moved = QnOffsetRgn(region, d.x, d.y);
        EXPECT_TRUE(moved == UnionOfMapped(region, [&](const QnRect& r) { return QnOffsetRect(r, d.x, d.y); }));
        ExpectDisjointAndSorted(moved);
    }
}

}  // namespace
