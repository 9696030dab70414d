// The blend through every mask of the gallery and the shadow in every
// direction, checked against the pixels worked out from the masks the
// module carries, and the row protocol's errors.
#include "EdgesFixture.h"

#include "filters/edges/MaskCatalogue.h"

#include <algorithm>

namespace {

using EdgesRun = EdgesFixture;

constexpr RGBColor kColour{200, 40, 120};
constexpr int32_t kPlanesColour[3] = {200, 40, 120};

TEST_F(EdgesRun, EveryGalleryMaskBlendsTheAreaTowardsTheColour)
{
    // 37 x 23 samples each mask down; both hosts' ways to run it meet here.
    int32_t differing = 0;
    for (const int32_t resource : MaskResources()) {
        SCOPED_TRACE(resource);
        const ReferenceMask mask = ReadMask(resource);
        EXPECT_EQ(mask.w, 360);
        EXPECT_EQ(mask.h, 360);
        EXPECT_NE(*std::min_element(mask.b.begin(), mask.b.end()), *std::max_element(mask.b.begin(), mask.b.end()));
        auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 37, 23, 3, {}, 0, kColour});
        Keep(*host, resource, 0);
        ASSERT_EQ(host->Run(false), 0);
        ASSERT_EQ(host->output, ExpectedEdges(*host, resource, 0, kPlanesColour));
        differing += host->output != host->input;
        // One Continue per row, and no advanceState: the plain row protocol.
        EXPECT_EQ(host->continues, 23);
        EXPECT_EQ(host->advanceCalls, 0);
        EXPECT_EQ(host->progressCalls, 23);
    }
    EXPECT_EQ(differing, int32_t(MaskResources().size()));
    EXPECT_EQ(dialogs, 0);
}

struct ShadowCase {
    int32_t resource;
    int32_t shadow;
    int32_t width, height;
    int16_t planes;
    Rect filterRect;
};

void PrintTo(const ShadowCase& c, std::ostream* os)
{
    *os << "mask " << c.resource << " shadow " << c.shadow << " on " << c.width << " x " << c.height << " x " << c.planes;
}

class EdgesShadow : public EdgesFixture, public ::testing::WithParamInterface<ShadowCase> {};

TEST_P(EdgesShadow, MatchesTheFormulas)
{
    const ShadowCase& c = GetParam();
    auto host = MakeHost({PI_HOST_SIG_FXGATE, false, c.width, c.height, c.planes, c.filterRect, 0, kColour});
    Keep(*host, c.resource, c.shadow);
    ASSERT_EQ(host->Run(false), 0);
    const int32_t grey[3] = {(200 + 40 + 120) / 3, 0, 0};
    const std::vector<uint8_t> expected = ExpectedEdges(*host, c.resource, c.shadow, c.planes == 1 ? grey : kPlanesColour);
    ASSERT_EQ(host->output, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EdgesShadow,
    ::testing::Values(ShadowCase{164, 1, 120, 90, 3, {}},             // up-left
                      ShadowCase{154, 2, 90, 120, 3, {}},             // up-right
                      ShadowCase{169, 3, 100, 100, 3, {}},            // down-left
                      ShadowCase{161, 4, 333, 210, 3, {}},            // down-right, mask stretched
                      ShadowCase{162, 4, 80, 60, 1, {}},              // grey: towards the grey of the colour
                      ShadowCase{164, 0, 70, 50, 3, {10, 12, 40, 60}}, // a selection: the rest is kept
                      ShadowCase{190, 2, 1, 40, 3, {}},               // one column
                      ShadowCase{157, 1, 40, 1, 1, {}}),              // one row
    [](const auto& info) { return "mask" + std::to_string(info.param.resource) + "_shadow" +
                                  std::to_string(info.param.shadow) + "_" + std::to_string(info.index); });

TEST_F(EdgesRun, AnAbortStopsAtTheRowItReached)
{
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 30, 20, 3, {}, 0, kColour});
    Keep(*host, 164, 0);
    host->abortAtProgress = 5;
    EXPECT_EQ(host->Run(false), userCanceledErr);
    const std::vector<uint8_t> whole = ExpectedEdges(*host, 164, 0, kPlanesColour);
    const size_t rowBytes = 30 * 3;
    EXPECT_TRUE(std::equal(whole.begin(), whole.begin() + 5 * rowBytes, host->output.begin()));
    EXPECT_TRUE(std::equal(host->input.begin() + 5 * rowBytes, host->input.end(), host->output.begin() + 5 * rowBytes));
    EXPECT_EQ(host->calls.back(), (std::pair<int16_t, int16_t>{filterSelectorFinish, 0}));
}

TEST_F(EdgesRun, PicturesOtherThanGreyOrColourAndUnknownMasksAreRefused)
{
    auto four = MakeHost({PI_HOST_SIG_EDITOR, true, 8, 8, 4, {}});
    Keep(*four, 164, 0);
    EXPECT_EQ(four->Run(false), filterBadMode);
    EXPECT_EQ(four->output, four->input);

    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 8, 8, 3, {}});
    Keep(*host, 999, 0); // no such mask
    EXPECT_EQ(host->Run(false), filterBadParameters);
    EXPECT_EQ(host->output, host->input);

    host->Reset();
    for (const int16_t selector : {int16_t(6), int16_t(-1), int16_t(300)})
        EXPECT_EQ(host->Call(selector), filterBadParameters);
}

TEST_F(EdgesRun, ParametersResetTheBlockAndAboutSaysWhoMadeIt)
{
    auto host = MakeHost({});
    host->Reset();
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    ASSERT_TRUE(IsValidHostHandle(host->parameters));
    EXPECT_EQ(GetHostHandleSize(host->parameters), 28);
    Block(*host) = EdgesBlock{0, 164, 3, {0, 0, 0}, 9};
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    const EdgesBlock& b = Block(*host);
    EXPECT_EQ(b.showDialog, 1);
    EXPECT_EQ(b.mask, 0);
    EXPECT_EQ(b.shadow, 0);
    EXPECT_EQ(b.rowCounter, 0);

    AboutRecord about{};
    EXPECT_EQ(host->CallAbout(&about), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Quendle Software Edges");
}

TEST_F(EdgesRun, KeptParametersGiveTheSamePixelsAgainWithNoPointersInTheBlock)
{
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 50, 40, 3, {}, 0, kColour});
    Keep(*host, 167, 4);
    ASSERT_EQ(host->Run(false), 0);
    const std::vector<uint8_t> first = host->output;
    const EdgesBlock& b = Block(*host);
    EXPECT_EQ(b.reserved[0] | b.reserved[1] | b.reserved[2], 0);
    host->output = host->input;
    ASSERT_EQ(host->Run(false), 0);
    EXPECT_EQ(host->output, first);
}

} // namespace
