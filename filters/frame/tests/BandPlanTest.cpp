// The bands a displacement filter's host run asks for: a third of maxSpace
// a band when the sources are unknown; with known sources, output bands
// that tile the area, each with the one source band that holds its
// sources and the row after each, both within maxSpace, so that a source
// row is sent once per output band that reaches it; and, when even one
// row's sources do not fit, the rows where sources were seen.
#include "filters/frame/BandPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Sources of output row y lie within reach rows of it.
BandPlan::SourceRowsOf Reach(int32_t reach)
{
    return [reach](int32_t first, int32_t last, int32_t& top, int32_t& bottom) {
        top = first - reach;
        bottom = last + reach;
        return true;
    };
}

struct Walk {
    std::vector<Rect> outputs, sources;
    std::vector<int32_t> sends; // by absolute row
};

// The bands of a run from the filter's top to its bottom.
Walk WalkBands(const BandPlan& plan, const Rect& f, int32_t imageHeight)
{
    Walk w;
    w.sends.assign(size_t(imageHeight), 0);
    for (int32_t row = f.top; row < f.bottom;) {
        const Rect out = plan.OutputBand(row);
        EXPECT_EQ(out.top, row);
        EXPECT_GT(out.bottom, out.top);
        const Rect in = plan.SourceBandOf(out);
        w.outputs.push_back(out);
        w.sources.push_back(in);
        for (int32_t y = in.top; y < in.bottom; ++y)
            ++w.sends[size_t(y)];
        row = out.bottom;
    }
    return w;
}

TEST(BandPlan, UnknownSourcesTakeAThirdOfMaxSpaceABand)
{
    const Rect f{0, 0, 100, 60};
    const BandPlan plan(f, 60, 100, 3, 60 * 3 * 3 * 7, false, {});
    EXPECT_FALSE(plan.KnowsSources());
    EXPECT_EQ(plan.OutputRows(), 7);
    const Rect band = plan.OutputBand(95);
    EXPECT_EQ(band.top, 95);
    EXPECT_EQ(band.bottom, 100);
    // A filter that cannot say where its sources lie is not asked again.
    int calls = 0;
    const BandPlan refused(f, 60, 100, 3, 0, false, [&](int32_t, int32_t, int32_t&, int32_t&) {
        ++calls;
        return false;
    });
    EXPECT_FALSE(refused.KnowsSources());
    EXPECT_EQ(refused.OutputRows(), 1);
    EXPECT_EQ(calls, 1);
}

struct KnownCase {
    const char* name;
    Rect filter;
    int32_t imageWidth, imageHeight, planes, maxSpace, reach;
    int32_t mostSends;
};

TEST(BandPlan, KnownSourcesComeInOneBandBesideEachOutputBandWithinMaxSpace)
{
    for (const KnownCase& c : {
             // maxSpace the size of the picture, as the plug-in host gives it.
             KnownCase{"NoMoveTwoBands", {0, 0, 400, 300}, 300, 400, 3, 300 * 400 * 3, 0, 2},
             KnownCase{"ReachAQuarter", {0, 0, 400, 300}, 300, 400, 3, 300 * 400 * 3, 100, 3},
             KnownCase{"ReachAThird", {0, 0, 400, 300}, 300, 400, 1, 300 * 400, 133, 5},
             KnownCase{"SelectionReadsTheRowBelowIt", {50, 20, 250, 120}, 300, 400, 3, 100 * 200 * 3, 30, 3},
             KnownCase{"RoomForAll", {0, 0, 400, 300}, 300, 400, 3, 300 * 400 * 3 * 3, 150, 1},
         }) {
        SCOPED_TRACE(c.name);
        const Rect& f = c.filter;
        const BandPlan plan(f, c.imageWidth, c.imageHeight, c.planes, c.maxSpace, false, Reach(c.reach));
        ASSERT_TRUE(plan.KnowsSources());
        const Walk w = WalkBands(plan, f, c.imageHeight);
        const int32_t sourceBottom = std::min(c.imageHeight, f.bottom + 1);
        for (size_t b = 0; b < w.outputs.size(); ++b) {
            const Rect& out = w.outputs[b];
            const Rect& in = w.sources[b];
            const int64_t bytes = int64_t{out.bottom - out.top} * (out.right - out.left) * c.planes +
                                  int64_t{in.bottom - in.top} * (in.right - in.left) * c.planes;
            EXPECT_LE(bytes, c.maxSpace) << "band " << b;
            EXPECT_EQ(in.left, f.left);
            EXPECT_EQ(in.right, std::min<int32_t>(c.imageWidth, f.right + 1));
            // Every source row of the band, and the one after it.
            EXPECT_EQ(in.top, std::max<int32_t>(f.top, out.top - c.reach)) << "band " << b;
            EXPECT_EQ(in.bottom, std::min<int32_t>(sourceBottom, out.bottom + c.reach + 1)) << "band " << b;
        }
        EXPECT_EQ(w.outputs.back().bottom, f.bottom);
        EXPECT_LE(*std::max_element(w.sends.begin(), w.sends.end()), c.mostSends);
    }
}

TEST(BandPlan, BandsFollowHowFarEachPartOfTheAreaReaches)
{
    // Rows above 100 stay; below it sources lie up to 100 rows away.
    const BandPlan plan({0, 0, 400, 100}, 100, 400, 1, 100 * 400, false,
                        [](int32_t first, int32_t last, int32_t& top, int32_t& bottom) {
                            top = last < 100 ? first : first - 100;
                            bottom = last < 100 ? last : last + 100;
                            return true;
                        });
    const Walk w = WalkBands(plan, {0, 0, 400, 100}, 400);
    // The quiet rows make one tall band.
    EXPECT_GE(w.outputs[0].bottom, 100);
    EXPECT_LE(*std::max_element(w.sends.begin(), w.sends.end()), 4);
}

TEST(BandPlan, SourcesWiderThanMaxSpaceFollowWhereSourcesWereSeen)
{
    const Rect f{0, 0, 400, 100};
    const int32_t space = 100 * 400; // one plane: the picture once
    // Sources may lie anywhere: no band fits beside them.
    const BandPlan plan(f, 100, 400, 1, space, false, Reach(400));
    const BandPlan::Seen seen{50, 30};
    const Rect out = plan.OutputBand(100, seen);
    // The band and the seen rows with their margins fill what the host holds.
    const int32_t rows = out.bottom - out.top;
    EXPECT_EQ(rows, (400 - (50 + 30 + 2 * BandPlan::kSeenMargin + 1)) / 2);
    const Rect in = plan.SourceBandOf(out, seen);
    EXPECT_EQ(in.top, 100 - 50 - BandPlan::kSeenMargin);
    EXPECT_EQ(in.bottom, out.bottom + 30 + BandPlan::kSeenMargin + 1);
    EXPECT_LE(rows + (in.bottom - in.top), 400);
    // Nothing seen yet: the band and its margins.
    const Rect first = plan.OutputBand(0);
    const Rect firstIn = plan.SourceBandOf(first);
    EXPECT_EQ(firstIn.top, 0);
    EXPECT_EQ(firstIn.bottom, first.bottom + BandPlan::kSeenMargin + 1);
    // A source seen beyond them: the band grows to it when it fits...
    const Rect grown = plan.SourceBandAround(first.bottom + 5, first, BandPlan::Seen{0, 6});
    EXPECT_EQ(grown.top, 0);
    EXPECT_EQ(grown.bottom, first.bottom + 6 + BandPlan::kSeenMargin + 1);
    // ...else as many rows as fit around it, holding the row after it.
    const BandPlan::Seen far{0, 350};
    for (int32_t row : {0, 1, 250, 398, 399}) {
        const Rect around = plan.SourceBandAround(row, out, far);
        EXPECT_LE(around.top, row);
        EXPECT_GE(around.bottom, std::min(row + 2, 400)) << row;
        EXPECT_LE((out.bottom - out.top) + (around.bottom - around.top), 400) << row;
    }
    // A host that holds less than two rows still gets the row and the next.
    const BandPlan tiny(f, 100, 400, 1, 1, false, Reach(3));
    const Rect one = tiny.OutputBand(10);
    EXPECT_EQ(one.bottom - one.top, 1);
    const Rect two = tiny.SourceBandAround(10, one);
    EXPECT_EQ(two.top, 10);
    EXPECT_EQ(two.bottom, 12);
}

TEST(BandPlan, OneBandHoldsTheWholeAreaAndItsSources)
{
    const Rect f{10, 5, 50, 45};
    const BandPlan plan(f, 60, 80, 3, 1, true, Reach(7));
    const Rect out = plan.OutputBand(10);
    EXPECT_EQ(out.top, 10);
    EXPECT_EQ(out.bottom, 50);
    const Rect in = plan.SourceBandOf(out);
    EXPECT_EQ(in.top, 10);
    EXPECT_EQ(in.bottom, 51);
    EXPECT_EQ(in.left, 5);
    EXPECT_EQ(in.right, 46);
}

} // namespace
