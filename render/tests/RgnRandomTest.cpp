// Random regions built by unions, differences, exclusive ors and
// intersections of random rectangles, every step and every operation checked
// against a pixel mask, the region invariants and the pieces of the pairwise forms.
#include "render/Rgn.h"

#include "RgnReference.h"

#include <gtest/gtest.h>

#include <random>

using namespace rgntest;

namespace {

class RandomRegions {
public:
    explicit RandomRegions(unsigned seed) : gen_(seed) {}

    int Coord(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }

    // Mostly small rectangles, sometimes empty ones.
    QnRect Rect()
    {
        const int left = Coord(kMin, kMax - 1), top = Coord(kMin, kMax - 1);
        const int maxSide = Coord(0, 3) == 0 ? kSide : 10;
        return QnRect{left, top, std::min(kMax, left + Coord(0, maxSide)), std::min(kMax, top + Coord(0, maxSide))};
    }

    // A region after steps random operations, each checked on the way.
    QnRgn Region(int steps)
    {
        QnRgn rgn;
        Mask mask;
        for (int i = 0; i < steps; ++i) {
            const QnRect r = Rect();
            switch (Coord(0, 5)) {
            case 0:
            case 1:
                rgn += QnRgn(r);
                mask |= MaskOf(r);
                break;
            case 2:
                rgn -= QnRgn(r);
                mask &= ~MaskOf(r);
                break;
            case 3:
                rgn -= r;
                mask &= ~MaskOf(r);
                break;
            case 4:
                rgn ^= QnRgn(r);
                mask ^= MaskOf(r);
                break;
            default:
                if (Coord(0, 3) == 0) { // seldom, so that regions stay large
                    rgn *= QnRgn(r);
                    mask &= MaskOf(r);
                }
                break;
            }
            ExpectValid(rgn);
            EXPECT_EQ(MaskOf(rgn), mask);
        }
        return rgn;
    }

private:
    std::mt19937 gen_;
};

} // namespace

TEST(QnRgnRandom, OperationsMatchThePixelMasks)
{
    RandomRegions random(20240611);
    for (int trial = 0; trial < 300; ++trial) {
        SCOPED_TRACE(trial);
        const QnRgn a = random.Region(random.Coord(0, 25));
        const QnRgn b = random.Region(random.Coord(0, 25));
        ExpectOperationsMatch(a, b);
        ExpectOperationsMatch(a, a);
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(QnRgnRandom, RegionsOfManyPiecesMatchThePixelMasks)
{
    // Exclusive ors of many rectangles cut regions into hundreds of pieces,
    // enough for the search structure to be several levels deep.
    RandomRegions random(7);
    for (int trial = 0; trial < 20; ++trial) {
        SCOPED_TRACE(trial);
        const QnRgn a = random.Region(150);
        const QnRgn b = random.Region(150);
        ExpectOperationsMatch(a, b);
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(QnRgnRandom, RemovingRectanglesAndFindingPointsMatchThePixels)
{
    RandomRegions random(99);
    for (int trial = 0; trial < 200; ++trial) {
        SCOPED_TRACE(trial);
        const QnRgn start = random.Region(random.Coord(1, 40));
        const QnRect cut = random.Rect();
        QnRgn rgn = start;
        rgn -= cut;
        ExpectValid(rgn);
        EXPECT_EQ(MaskOf(rgn), MaskOf(start) & ~MaskOf(cut));
        EXPECT_EQ(ListOf(rgn), cut.IsEmpty() || !start ? ListOf(start) : naive::Difference(ListOf(start), {cut}));
        if (start && !cut.IsEmpty()) {
            EXPECT_EQ(rgn.box(), BoundingBox(ListOf(rgn)));
        }

        const Mask mask = MaskOf(start);
        for (int i = 0; i < 20; ++i) {
            const QnPoint p{random.Coord(kMin, kMax - 1), random.Coord(kMin, kMax - 1)};
            const QnRect found = start.from_point(p);
            if (mask.test(Bit(p.x, p.y))) {
                EXPECT_TRUE(found.Contains(p));
            } else {
                EXPECT_EQ(found, QnRect{});
            }
        }
        if (::testing::Test::HasFailure())
            return;
    }
}
