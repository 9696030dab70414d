// What the Rubber preview does with the mouse and draws: presses inside
// the painted area only, drags held to half the way to each edge, the
// release stored in thousandths, the grid pulled by the drag, and the
// dotted lines.
#include "filters/rubber/MeshPattern.h"
#include "filters/rubber/RubberGrid.h"
#include "filters/rubber/RubberMeshModel.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr QnRect kClient{0, 0, 203, 153};

TEST(RubberMesh, OnlyAPressInsideTheBorderStartsADrag)
{
    struct Case {
        int32_t x, y;
        bool starts;
    };
    const Case cases[] = {{0, 70, false},   {202, 70, false}, {100, 0, false},  {100, 152, false},
                          {203, 70, false}, {-4, 70, false},  {1, 1, true},     {201, 151, true},
                          {100, 70, true}};
    for (const Case& c : cases) {
        RubberMeshModel m;
        m.NotePaint(kClient);
        RubberParams p{11, 12, 13, 14, 15, 1};
        EXPECT_EQ(m.Press(c.x, c.y, p), c.starts) << c.x << "," << c.y;
        const RubberParams reset{0, 0, 500, 500, 0, 1};
        const RubberParams untouched{11, 12, 13, 14, 15, 1};
        EXPECT_EQ(std::memcmp(&p, c.starts ? &reset : &untouched, sizeof p), 0);
    }
    // Nothing was painted: nothing to grab.
    RubberMeshModel unpainted;
    RubberParams p{};
    EXPECT_FALSE(unpainted.Press(5, 5, p));
}

TEST(RubberMesh, DragsStopHalfWayToEachEdgeAndAreStoredInThousandths)
{
    struct Case {
        const char* name;
        int32_t pressX, pressY, moveX, moveY;
        int32_t dragX, dragY;
        RubberParams stored;
    };
    const Case cases[] = {
        {"Inside", 100, 60, 130, 50, 30, -10, {30 * 1000 / 203, -10 * 1000 / 153, 100 * 1000 / 203, 60 * 1000 / 153, 0, 1}},
        {"TowardsTheLeftAndTop", 80, 40, 0, 0, -40, -20, {-40 * 1000 / 203, -20 * 1000 / 153, 80 * 1000 / 203, 40 * 1000 / 153, 0, 1}},
        {"TowardsTheRightAndBottom", 80, 40, 400, 400, 61, 56, {61 * 1000 / 203, 56 * 1000 / 153, 80 * 1000 / 203, 40 * 1000 / 153, 0, 1}},
        {"ReleasedWithoutMoving", 120, 90, 120, 90, 0, 0, {0, 0, 120 * 1000 / 203, 90 * 1000 / 153, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RubberMeshModel m;
        m.NotePaint(kClient);
        RubberParams p{1, 2, 3, 4, 5, 1};
        ASSERT_TRUE(m.Press(c.pressX, c.pressY, p));
        EXPECT_FALSE(m.Press(c.pressX, c.pressY, p)); // one drag at a time
        EXPECT_TRUE(m.Move(c.moveX, c.moveY));
        EXPECT_EQ(m.DragX(), c.dragX);
        EXPECT_EQ(m.DragY(), c.dragY);
        ASSERT_TRUE(m.Release(p));
        EXPECT_FALSE(m.Dragging());
        EXPECT_EQ(std::memcmp(&p, &c.stored, sizeof p), 0)
            << p.dragX << " " << p.dragY << " " << p.grabX << " " << p.grabY;
        EXPECT_FALSE(m.Move(1, 1));
        EXPECT_FALSE(m.Release(p));
    }
}

TEST(RubberGrid, PullsTheGrabbedNodeByTheWholeDragAndKeepsTheEdges)
{
    const QnRect client{10, 20, 111, 81}; // W 100, H 60
    const RubberGrid rest = RubberGrid::Build(client, 40, 30, 0, 0);
    for (int32_t k = 0; k < 11; ++k)
        for (int32_t i = 0; i < 11; ++i)
            EXPECT_EQ(rest.Node(i, k), (GridPoint{10 + i * 10, 20 + k * 6}));
    const RubberGrid pulled = RubberGrid::Build(client, 40, 30, 25, -12);
    EXPECT_EQ(pulled.Node(4, 5), (GridPoint{10 + 40 + 25, 20 + 30 - 12}));
    for (int32_t n = 0; n < 11; ++n) {
        EXPECT_EQ(pulled.Node(0, n), rest.Node(0, n));
        EXPECT_EQ(pulled.Node(10, n), rest.Node(10, n));
        EXPECT_EQ(pulled.Node(n, 0), rest.Node(n, 0));
        EXPECT_EQ(pulled.Node(n, 10), rest.Node(n, 10));
    }
    // Node (2, 5): a = 20 < 40: 400 / (400 + 400); row 5 is the grab's.
    EXPECT_EQ(RubberGrid::NodeWeight(20, 40, 100), 2048);
    EXPECT_EQ(pulled.Node(2, 5), (GridPoint{10 + 20 + 4096 * (25 * 2048 / 4096) / 4096, 20 + 30 + 4096 * (-12 * 2048 / 4096) / 4096}));
    // Node (7, 2): a = 70 > 40: 900 / (900 + 900); b = 12 < 30: 144 / (144 + 324).
    const int32_t wy = RubberGrid::NodeWeight(12, 30, 60);
    EXPECT_EQ(wy, (4096 * 144 + 234) / 468);
    EXPECT_EQ(pulled.Node(7, 2), (GridPoint{10 + 70 + wy * (25 * 2048 / 4096) / 4096, 20 + 12 + wy * (-12 * 2048 / 4096) / 4096}));
    EXPECT_EQ(pulled.Segments().size(), 220u);
}

TEST(MeshPattern, WalksEveryPixelOfALineAlongItsMajorAxis)
{
    struct Case {
        int32_t x0, y0, x1, y1;
        std::vector<std::pair<int32_t, int32_t>> pixels;
    };
    const Case cases[] = {
        {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {3, 5, 3, 2, {{3, 5}, {3, 4}, {3, 3}, {3, 2}}},
        {5, 0, 3, 4, {{5, 0}, {5, 1}, {4, 2}, {4, 3}, {3, 4}}},
        {7, 7, 7, 7, {{7, 7}}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<int32_t, int32_t>> walked;
        MeshPattern::WalkLine(c.x0, c.y0, c.x1, c.y1, [&](int32_t x, int32_t y) { walked.emplace_back(x, y); });
        EXPECT_EQ(walked, c.pixels) << c.x0 << "," << c.y0 << " to " << c.x1 << "," << c.y1;
    }
}

TEST(MeshPattern, TheBrushDotsEvenRowsFromItsOrigin)
{
    // Row 0 is cc: 11001100.
    const bool row0[8] = {true, true, false, false, true, true, false, false};
    for (int32_t x = 0; x < 8; ++x) {
        EXPECT_EQ(MeshPattern::White(x, 0, 0, 0), row0[x]);
        EXPECT_EQ(MeshPattern::White(x + 13, 5, 13, 5), row0[x]); // from another origin
        EXPECT_FALSE(MeshPattern::White(x, 1, 0, 0));
    }
    // Row 6 is 99: 10011001; the pattern repeats every 8 pixels.
    EXPECT_TRUE(MeshPattern::White(0, 6, 0, 0));
    EXPECT_FALSE(MeshPattern::White(1, 6, 0, 0));
    EXPECT_TRUE(MeshPattern::White(11, 14, 0, 0));
    EXPECT_TRUE(MeshPattern::White(-8, -2, 0, 0));
}

} // namespace
