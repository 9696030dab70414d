#include "render/XFormXY.h"

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <limits>

TEST(QnXFormXY, ExtractOptionsSplitsCodesPerAxis)
{
    const struct {
        int options;
        int x, y;
    } cases[] = {
        // Range bits name one option for both axes.
        {64, 64, 64},
        {128, 128, 128},
        {256, 256, 256},
        {384, 384, 384},
        {256 | 5 | (1 << 3), 256, 256},
        // Otherwise three-bit codes: x in bits 0-2, y in bits 3-5.
        {0, 64, 64},
        {1, 128, 64},
        {2, 192, 64},
        {3, 256, 64},
        {4, 320, 64},
        {5, 384, 64},
        {6, 256, 64},
        {7, 256, 64},
        {1 << 3, 64, 128},
        {2 << 3, 64, 192},
        {3 << 3, 64, 256},
        {4 << 3, 64, 320},
        {5 << 3, 64, 384},
        {6 << 3, 64, 256},
        {7 << 3, 64, 256},
        {1 | (5 << 3), 128, 384},
    };
    for (const auto& c : cases) {
        const QnXFormXY::Options o = QnXFormXY::ExtractOptions(c.options);
        EXPECT_EQ(o.x, c.x) << c.options;
        EXPECT_EQ(o.y, c.y) << c.options;
    }
}

TEST(QnXFormXY, MapBetweenRectangles)
{
    const QnXFormXY zoom(QnRect{0, 0, 100, 50}, QnRect{10, 0, 210, 25});
    EXPECT_EQ(zoom.GetXFactor(), QnXForm(2, 10, 1));
    EXPECT_EQ(zoom.GetYFactor(), QnXForm(1, 0, 2));
    EXPECT_EQ(zoom.XForm(QnRect{0, 0, 100, 50}, QN_XF_SORTED), (QnRect{10, 0, 210, 25}));
    // A flipped target keeps the rectangle forms sorted.
    const QnXFormXY flip(QnRect{0, 0, 10, 10}, QnRect{10, 0, 0, 10});
    EXPECT_EQ(flip.XForm(QnRect{2, 3, 5, 4}, QN_XF_SORTED), (QnRect{5, 3, 8, 4}));
    // A rectangle of no width or height gives no map.
    EXPECT_THROW(QnXFormXY(QnRect{5, 0, 5, 10}, QnRect{0, 0, 10, 10}), QnExcept);
    EXPECT_THROW(QnXFormXY(QnRect{0, 7, 1, 7}, QnRect{0, 0, 10, 10}), QnExcept);
}

TEST(QnXFormXY, PointAndRectangleFormsUseEachAxissOption)
{
    // x reduced by 2, y enlarged by 3.
    const QnXFormXY m(QnXForm(1, 0, 2), QnXForm(3, 0, 1));
    EXPECT_EQ(m.XForm(QnPoint{3, 2}, QN_XF_NEAREST), (QnPoint{1, 6}));
    EXPECT_EQ(m.XForm(QnPoint{3, 2}, QN_XF_CENTRE), (QnPoint{1, 7}));
    EXPECT_EQ(m.RevXForm(QnPoint{3, 7}, QN_XF_CENTRE), (QnPoint{7, 2}));
    // x centre (code 1), y nearest (code 0).
    EXPECT_EQ(m.RevXForm(QnPoint{3, 7}, 1), (QnPoint{7, 2}));
    EXPECT_EQ(m.RevXForm(QnPoint{3, 8}, 1), (QnPoint{7, 3}));

    // The source area a destination block needs: covering, outward.
    EXPECT_EQ(m.RevXForm(QnRect{1, 1, 4, 5}, QN_XF_COVER), (QnRect{2, 0, 8, 2}));
    EXPECT_EQ(m.XForm(QnRect{1, 1, 4, 5}, QN_XF_COVER), (QnRect{0, 3, 2, 15}));
    // Covering on x (code 5), nearest ends in order on y (code 2).
    EXPECT_EQ(m.RevXForm(QnRect{1, 1, 4, 5}, 5 | (2 << 3)), (QnRect{2, 0, 8, 2}));
    EXPECT_EQ(m.XForm(QnRect{1, 1, 4, 5}, QN_XF_NEAREST_ENDS), (QnRect{0, 3, 2, 15}));
}

TEST(QnXFormXY, CompositionAndShiftsOnBothAxes)
{
    QnXFormXY m(QnXForm(1, 0, 2), QnXForm(3, 1, 1));
    m *= QnXFormXY(QnXForm(4, 0, 1), QnXForm(1, 0, 3));
    EXPECT_EQ(m, QnXFormXY(QnXForm(2, 0, 1), QnXForm(1, 1, 1)));
    EXPECT_EQ(m.shift(3, -1), 1);
    EXPECT_EQ(m, QnXFormXY(QnXForm(2, 3, 1), QnXForm(1, 0, 1)));
    EXPECT_EQ(m.rev_shift(1, 2), 1);
    EXPECT_EQ(m, QnXFormXY(QnXForm(2, 1, 1), QnXForm(1, -2, 1)));
    EXPECT_EQ(m.shiftx(1) + m.shifty(2) + m.rev_shiftx(-1) + m.rev_shifty(0), 4);
    EXPECT_EQ(m, QnXFormXY(QnXForm(2, 4, 1), QnXForm(1, 0, 1)));

    // One axis leaving the 32-bit range makes the pair report it; the other
    // axis still moves exactly.
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    QnXFormXY far(QnXForm(1, kMax, 1), QnXForm());
    EXPECT_EQ(far.shift(1, 5), 0);
    EXPECT_EQ(far.GetYFactor(), QnXForm(1, 5, 1));
}
