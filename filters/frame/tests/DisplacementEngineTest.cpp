// The displacement engine under the scripted host: bilinear sampling in
// 1/16 pixel, the background of a whole-image filter, the pixels a
// selection keeps, bands by maxSpace (one band for host row 1), resumption
// across Continue calls, abort, and the nearest-sample preview.
#include "FrameFixture.h"

#include "filters/frame/DisplacementEngine.h"

#include <algorithm>

#include <QAbstractButton>
#include <QWidget>

namespace {

struct ShiftParams {
    int32_t dx16;
    int32_t dy16;
    int32_t spare;
    int32_t showDialog;
};

class DisplacementRun : public FrameFixture {
protected:
    std::unique_ptr<ScriptedHost> Shift(int32_t row, uint32_t sig, bool advance, ScriptedHost::Options o,
                                        int32_t dx16, int32_t dy16)
    {
        RememberHost(row, sig);
        o.hostSig = sig;
        o.hasAdvanceState = advance;
        auto host = std::make_unique<ScriptedHost>(FRAME_TEST_MODULE, o, "ENTRYPOINT2");
        EXPECT_TRUE(host->Loaded());
        host->Reset();
        EXPECT_EQ(host->Call(filterSelectorParameters), 0);
        auto* p = static_cast<ShiftParams*>(host->parameters->data);
        p->dx16 = dx16;
        p->dy16 = dy16;
        p->showDialog = 0;
        return host;
    }
};

// What the engine writes for pixel (x, y) of the picture.
uint8_t Expected(const ScriptedHost& h, int32_t x, int32_t y, int32_t k, int32_t dx16, int32_t dy16)
{
    const Rect f = h.FilterRect();
    if (y < f.top || y >= f.bottom || x < f.left || x >= f.right)
        return h.In(x, y, k);
    const int32_t w = f.right - f.left, ht = f.bottom - f.top;
    int32_t sx16 = (x - f.left) * 16 + dx16, sy16 = (y - f.top) * 16 + dy16;
    if ((sx16 >> 4) < 0 || (sx16 >> 4) >= w || (sy16 >> 4) < 0 || (sy16 >> 4) >= ht) {
        const bool whole = f.top == 0 && f.left == 0 && f.bottom == h.Height() && f.right == h.Width();
        if (whole)
            return h.record.backColor[k];
        sx16 = (x - f.left) * 16;
        sy16 = (y - f.top) * 16;
    }
    const int32_t sx = f.left + (sx16 >> 4), sy = f.top + (sy16 >> 4);
    const int32_t sx1 = std::min(sx + 1, h.Width() - 1), sy1 = std::min(sy + 1, h.Height() - 1);
    const int32_t fx = sx16 & 15, fy = sy16 & 15;
    auto W = DisplacementEngine::Weight;
    return uint8_t((W(15 - fx, 15 - fy) * h.In(sx, sy, k) + W(fx, 15 - fy) * h.In(sx1, sy, k) +
                    W(15 - fx, fy) * h.In(sx, sy1, k) + W(fx, fy) * h.In(sx1, sy1, k)) >> 8);
}

void ExpectShifted(const ScriptedHost& h, int32_t dx16, int32_t dy16)
{
    for (int32_t y = 0; y < h.Height(); ++y)
        for (int32_t x = 0; x < h.Width(); ++x)
            for (int32_t k = 0; k < h.Planes(); ++k)
                ASSERT_EQ(h.Out(x, y, k), Expected(h, x, y, k, dx16, dy16)) << x << "," << y << " plane " << k;
}

TEST(DisplacementWeights, FarCornerWeightsInFifteenths)
{
    EXPECT_EQ(DisplacementEngine::Weight(0, 0), 0);
    EXPECT_EQ(DisplacementEngine::Weight(15, 15), 256);
    EXPECT_EQ(DisplacementEngine::Weight(15, 1), 17);
    EXPECT_EQ(DisplacementEngine::Weight(7, 9), 71);
}

struct ShiftCase {
    const char* name;
    int32_t row;
    uint32_t sig;
    bool advance;
    Rect filterRect;
    int32_t maxSpace;
    int32_t dx16, dy16;
};

void PrintTo(const ShiftCase& c, std::ostream* out) { *out << c.name; }

class DisplacementModes : public DisplacementRun, public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(DisplacementModes, SamplesTheDisplacedSourceBandByBand)
{
    const ShiftCase& c = GetParam();
    auto host = Shift(c.row, c.sig, c.advance, {0, true, 53, 37, 3, c.filterRect, c.maxSpace}, c.dx16, c.dy16);
    ASSERT_EQ(host->Run(false), 0);
    EXPECT_EQ(filterDialogs, 0);
    EXPECT_EQ(host->badRequests, 0);
    ExpectShifted(*host, c.dx16, c.dy16);
    const Rect f = host->FilterRect();
    const int32_t area = (f.bottom - f.top) * (f.right - f.left);
    if (c.row == 1) {
        EXPECT_EQ(host->largestOutput, area); // one band
    } else if (c.maxSpace) {
        EXPECT_LT(host->largestOutput, area);
    }
    if (c.row >= 4) {
        EXPECT_GT(host->continues, 2);
    }
}

const Rect kWhole{0, 0, 0, 0};
const Rect kSelection{5, 7, 30, 41};

INSTANTIATE_TEST_SUITE_P(
    Shifts, DisplacementModes,
    ::testing::Values(
        ShiftCase{"WholeImageWholePixels", 2, PI_HOST_SIG_EDITOR, true, kWhole, 0, 48, -32},
        ShiftCase{"WholeImageFractionsInNarrowBands", 0, PI_FOURCC('8', 'B', 'I', 'M'), true, kWhole, 53 * 3 * 3 * 5,
                  21, 9},
        ShiftCase{"SelectionKeepsOutsideSources", 2, PI_HOST_SIG_EDITOR, true, kSelection, 0, -70, 37},
        ShiftCase{"CorelFiltersOneBand", 1, 0x018E6FDB, true, kSelection, 53 * 3 * 3 * 2, 13, -5},
        ShiftCase{"DeferredBandsResumeWhereTheyStopped", 5, PI_HOST_SIG_FXGATE, false, kWhole, 53 * 3 * 3 * 4, 7,
                  90},
        ShiftCase{"DeferredSelectionWithSingleRowBands", 4, PI_FOURCC('B', 'U', 'P', 'P'), false, kSelection, 1, -9,
                  -20}),
    [](const ::testing::TestParamInfo<ShiftCase>& info) { return std::string(info.param.name); });

TEST_F(DisplacementRun, AnAbortLeavesTheFilterRectangleAndAnswersUserCancel)
{
    auto host = Shift(2, PI_HOST_SIG_EDITOR, true, {0, true, 53, 37, 3, kSelection, 0}, 16, 16);
    host->abortAtProgress = 10;
    EXPECT_EQ(host->Run(false), userCanceledErr);
    const Rect f = host->FilterRect();
    EXPECT_EQ(std::memcmp(&host->record.inRect, &f, sizeof f), 0);
    EXPECT_EQ(std::memcmp(&host->record.outRect, &f, sizeof f), 0);
}

TEST_F(DisplacementRun, ThePreviewSamplesNearestAndShowsOutsideSourcesGrey)
{
    auto host = Shift(2, PI_FOURCC('F', 'S', 'X', '3'), true, {0, true, 60, 40, 3, kSelection, 0}, 16 * 3 + 9,
                      -16 * 2 - 1);
    static_cast<ShiftParams*>(host->parameters->data)->showDialog = 1;
    QSize previewSize;
    shiftDialog = [&](fw::Dialog& d) {
        auto* box = qobject_cast<QAbstractButton*>(d.GetDlgItem(1015));
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isChecked()); // "SHOW" defaults to 1
        previewSize = d.GetDlgItem(1006)->size();
        d.grab(); // the filtered copy
        d.PressButton(1015);
        d.grab().save(QString::fromStdString(config / "shift.png")); // the unfiltered one
        d.PressButton(1015);
        d.grab(); // filtered again at once
    };
    ASSERT_EQ(host->Run(false), 0);
    ASSERT_EQ(host->shown.size(), 3u);
    const ShownMap& after = host->shown[0];
    const ShownMap& before = host->shown[1];
    EXPECT_EQ(host->shown[2].pixels, after.pixels);
    EXPECT_EQ(previewSize, QSize(after.width + 3, after.height + 3));
    // (x16 + 57) >> 4 = x + 3, (y16 - 33) >> 4 = y - 3.
    for (int32_t y = 0; y < after.height; ++y)
        for (int32_t x = 0; x < after.width; ++x)
            for (int32_t k = 0; k < 3; ++k) {
                const int32_t sx = x + 3, sy = y - 3;
                const bool inside = sx < after.width && sy >= 0;
                const uint8_t expected =
                    inside ? before.pixels[size_t((sy * before.width + sx) * 3 + k)] : uint8_t(128);
                ASSERT_EQ(after.pixels[size_t((y * after.width + x) * 3 + k)], expected) << x << "," << y;
            }
    ExpectShifted(*host, 16 * 3 + 9, -16 * 2 - 1);
    EXPECT_EQ(Ini().GetInt("PREVIEW", "SHOW", -1), 1);
}

TEST_F(DisplacementRun, TheHelpButtonOpensTheDialogsTopicAndThePreviewSwitchIsKept)
{
    auto host = Shift(2, PI_HOST_SIG_EDITOR, true, {0, true, 30, 20, 3, kWhole, 0}, 16, 0);
    static_cast<ShiftParams*>(host->parameters->data)->showDialog = 1;
    filterOk = false;
    shiftDialog = [&](fw::Dialog& d) {
        d.PressButton(9);
        d.PressButton(1015);
    };
    EXPECT_EQ(host->Run(false), userCanceledErr);
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{20}));
    // Cancel keeps the switch too.
    EXPECT_EQ(Ini().GetInt("PREVIEW", "SHOW", -1), 0);
    EXPECT_EQ(host->output, host->input);
}

} // namespace
