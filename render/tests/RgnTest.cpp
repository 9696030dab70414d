#include "render/Rgn.h"

#include "RgnReference.h"

#include <gtest/gtest.h>

#include <vector>

using namespace rgntest;

namespace {

struct PairCase {
    const char* name;
    std::vector<QnRect> a;
    std::vector<QnRect> b;
};

const PairCase kPairCases[] = {
    {"both empty", {}, {}},
    {"empty and rectangle", {}, {{0, 0, 4, 4}}},
    {"rectangle and empty", {{0, 0, 4, 4}}, {}},
    {"same rectangle", {{0, 0, 4, 4}}, {{0, 0, 4, 4}}},
    {"disjoint", {{0, 0, 4, 4}}, {{10, 10, 12, 12}}},
    {"touching left to right", {{0, 0, 4, 4}}, {{4, 0, 8, 4}}},
    {"touching top to bottom", {{0, 0, 4, 4}}, {{0, 4, 4, 8}}},
    {"touching at a corner", {{0, 0, 4, 4}}, {{4, 4, 8, 8}}},
    {"overlapping corners", {{0, 0, 6, 6}}, {{3, 3, 9, 9}}},
    {"one inside the other", {{0, 0, 10, 10}}, {{3, 3, 6, 6}}},
    {"cross", {{0, 4, 12, 8}}, {{4, 0, 8, 12}}},
    {"band over a taller one", {{-4, 2, 20, 3}}, {{0, 0, 4, 10}, {8, 0, 12, 10}}},
    {"interleaved strips", {{0, 0, 2, 8}, {4, 0, 6, 8}, {8, 0, 10, 8}}, {{0, 2, 10, 4}, {0, 6, 10, 8}}},
    {"checkerboard against its shift",
     {{0, 0, 2, 2}, {4, 0, 6, 2}, {2, 2, 4, 4}, {6, 2, 8, 4}},
     {{1, 0, 3, 2}, {5, 0, 7, 2}, {3, 2, 5, 4}, {7, 2, 9, 4}}},
    {"ring and hole filler", {{0, 0, 9, 3}, {0, 3, 3, 6}, {6, 3, 9, 6}, {0, 6, 9, 9}}, {{3, 3, 6, 6}}},
    {"negative coordinates", {{-8, -8, 0, 0}}, {{-4, -6, 4, 2}}},
    {"pieces within a rectangle", {{2, 1, 4, 3}, {6, 1, 9, 2}, {0, 5, 3, 9}, {5, 6, 10, 7}}, {{0, 0, 10, 10}}},
    {"pieces within a rectangle's edges", {{2, 0, 4, 3}, {0, 5, 3, 10}}, {{0, 0, 4, 10}}},
};

} // namespace

TEST(QnRgn, OperationsOnATableOfRegionsMatchTheirPixels)
{
    for (const PairCase& c : kPairCases) {
        SCOPED_TRACE(c.name);
        const QnRgn a = RgnOf(c.a), b = RgnOf(c.b);
        ExpectOperationsMatch(a, b);
        ExpectOperationsMatch(b, a);
        // A region of an empty rectangle is empty but has a box.
        ExpectOperationsMatch(QnRgn(QnRect{2, 2, 2, 9}), b);
        ExpectOperationsMatch(a, QnRgn(QnRect{2, 2, 2, 9}));
    }
}

TEST(QnRgn, RegionOfARectangle)
{
    const QnRgn rgn(QnRect{1, 2, 5, 7});
    EXPECT_TRUE(rgn);
    EXPECT_EQ(rgn.count(), 1u);
    EXPECT_EQ(rgn.first(), (QnRect{1, 2, 5, 7}));
    EXPECT_EQ(rgn.box(), (QnRect{1, 2, 5, 7}));

    // An empty rectangle gives an empty region that still keeps it as box.
    const QnRgn empty(QnRect{5, 5, 5, 9});
    EXPECT_FALSE(empty);
    EXPECT_TRUE(!empty);
    EXPECT_EQ(empty.first(), QnRect{});
    EXPECT_EQ(empty.box(), (QnRect{5, 5, 5, 9}));
    EXPECT_TRUE(empty == QnRgn());
}

TEST(QnRgn, CuttingOutTheMiddleLeavesFourPiecesInOrder)
{
    QnRgn rgn(QnRect{0, 0, 10, 10});
    rgn -= QnRect{3, 4, 6, 7};
    const std::vector<QnRect> expected = {
        {0, 0, 10, 4}, // band above, full width
        {0, 4, 3, 7},  // left
        {6, 4, 10, 7}, // right
        {0, 7, 10, 10} // band below, full width
    };
    EXPECT_EQ(ListOf(rgn), expected);
    EXPECT_EQ(rgn.box(), (QnRect{0, 0, 10, 10}));

    // A rectangle reaching past an edge leaves only the pieces that exist.
    QnRgn edge(QnRect{0, 0, 10, 10});
    edge -= QnRect{-5, 2, 4, 20};
    EXPECT_EQ(ListOf(edge), (std::vector<QnRect>{{0, 0, 10, 2}, {4, 2, 10, 10}}));
}

TEST(QnRgn, RemovingOneOfTheListsRectanglesRemovesExactlyIt)
{
    QnRgn rgn = RgnOf({{0, 0, 4, 4}, {4, 0, 8, 4}, {0, 4, 8, 6}});
    const std::vector<QnRect> before = ListOf(rgn);
    ASSERT_EQ(before.size(), 3u);
    rgn -= before[1];
    EXPECT_EQ(ListOf(rgn), (std::vector<QnRect>{before[0], before[2]}));
    EXPECT_EQ(rgn.box(), (QnRect{0, 0, 8, 6}));
}

TEST(QnRgn, RemovingNothingChangesNothing)
{
    // An exclusive or keeps the operands' box, larger than its pixels.
    QnRgn rgn = RgnOf({{0, 0, 4, 4}}) ^ RgnOf({{0, 0, 4, 8}});
    ASSERT_EQ(rgn.box(), (QnRect{0, 0, 4, 8}));
    // An empty rectangle changes nothing, not even that box ...
    rgn -= QnRect{2, 2, 2, 30};
    EXPECT_EQ(ListOf(rgn), (std::vector<QnRect>{{0, 4, 4, 8}}));
    EXPECT_EQ(rgn.box(), (QnRect{0, 0, 4, 8}));
    // ... while a rectangle that misses every piece recomputes it.
    rgn -= QnRect{20, 20, 30, 30};
    EXPECT_EQ(ListOf(rgn), (std::vector<QnRect>{{0, 4, 4, 8}}));
    EXPECT_EQ(rgn.box(), (QnRect{0, 4, 4, 8}));

    QnRgn fromEmpty(QnRect{3, 3, 1, 1});
    fromEmpty -= QnRect{0, 0, 9, 9};
    EXPECT_FALSE(fromEmpty);
    EXPECT_EQ(fromEmpty.box(), (QnRect{3, 3, 1, 1}));
}

TEST(QnRgn, RemovingARectangleMatchesThePixels)
{
    const QnRgn start = RgnOf({{0, 0, 8, 3}, {2, 3, 12, 6}, {-4, 6, 4, 20}});
    const QnRect cuts[] = {{1, 1, 3, 30}, {-8, 4, 40, 5}, {0, 0, 8, 3}, {30, 30, 35, 35}, {-8, -8, 40, 40}};
    for (const QnRect& cut : cuts) {
        SCOPED_TRACE(::testing::PrintToString(cut));
        QnRgn rgn = start;
        rgn -= cut;
        ExpectValid(rgn);
        EXPECT_EQ(MaskOf(rgn), MaskOf(start) & ~MaskOf(cut));
        EXPECT_EQ(ListOf(rgn), naive::Difference(ListOf(start), {cut}));
        EXPECT_EQ(rgn.box(), BoundingBox(ListOf(rgn)));
    }
}

TEST(QnRgn, FromPointFindsTheRectangleHoldingIt)
{
    const QnRgn rgn = RgnOf({{0, 0, 4, 2}, {6, 0, 8, 9}, {0, 2, 3, 5}});
    EXPECT_EQ(rgn.from_point({7, 8}), (QnRect{6, 0, 8, 9}));
    EXPECT_EQ(rgn.from_point({2, 4}), (QnRect{0, 2, 3, 5}));
    EXPECT_EQ(rgn.from_point({0, 0}), (QnRect{0, 0, 4, 2}));
    // Gaps, the exclusive edges and points above the list give nothing.
    for (QnPoint p : {QnPoint{5, 1}, QnPoint{4, 0}, QnPoint{3, 4}, QnPoint{8, 3}, QnPoint{1, -1}, QnPoint{1, 5}})
        EXPECT_EQ(rgn.from_point(p), QnRect{}) << p.x << ", " << p.y;
}

TEST(QnRgn, BoxRulesOfUnionAndExclusiveOr)
{
    const QnRgn a = RgnOf({{0, 0, 4, 4}});
    const QnRgn b = RgnOf({{10, 2, 12, 20}});
    // A ^ A is empty but keeps A's box; the box then shrinks again as soon
    // as an operation recomputes it.
    QnRgn self = a ^ a;
    EXPECT_FALSE(self);
    EXPECT_EQ(self.box(), a.box());
    EXPECT_EQ((a + b).box(), (QnRect{0, 0, 12, 20}));
    QnRgn shrunk = (a + b) - b;
    EXPECT_EQ(shrunk.box(), a.box());
    // Cut by a rectangle that holds it all, a region keeps its pieces and
    // its box is its own again.
    const QnRgn loose = a ^ RgnOf({{0, 0, 4, 2}});
    EXPECT_EQ(loose.box(), a.box());
    EXPECT_EQ((loose * QnRgn(QnRect{-1, -1, 20, 20})).box(), (QnRect{0, 2, 4, 4}));
    EXPECT_EQ((QnRgn(QnRect{-1, -1, 20, 20}) * loose).box(), (QnRect{0, 2, 4, 4}));
}
