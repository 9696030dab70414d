// The painting test filters run on pictures through the built-in: kept to
// the selection or not, cancelled and failed runs, the progress indicator
// of a run, parameters asked once per expression, and the preview drawing.
#include "PaintPlugIns.h"

#include <gtest/gtest.h>

#include <vector>

#include "blt/MemoryDC.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/builtins/FlRectPict.h"
#include "editor/operations/FlRgn.h"
#include "editor/operations/RgnToSelect.h"
#include "editor/plugins/PlugInExternal.h"
#include "editor/plugins/PlugInRunDisplay.h"
#include "lang/ApplyExpr.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "pluginhost/piInstExceptions.h"
#include "render/PixBuf.h"

namespace {

constexpr uint32_t kForeground = 0x00302010; // red 0x10, green 0x20, blue 0x30

// A picture whose pixel bytes all differ from the foreground's.
PpQnPicture Pattern(int type, int32_t width, int32_t height)
{
    PpQnPicture p(width, height, type, nullptr);
    const int32_t bpp = type == WA_RGB24 ? 3 : 1;
    std::vector<uint8_t> row(size_t(width * bpp));
    for (int32_t y = 0; y < height; ++y) {
        for (size_t i = 0; i < row.size(); ++i)
            row[i] = uint8_t(0x80 + (y * 3 + int32_t(i)) % 100);
        p->WriteToRow(0, y, QnRange{0, width}, row.data());
    }
    return p;
}

// The bytes of pixel (x, y).
std::vector<uint8_t> PixelAt(const PpQnPicture& p, int32_t x, int32_t y)
{
    const int32_t bpp = p->Type() == WA_RGB24 ? 3 : 1;
    std::vector<uint8_t> row(size_t(p->GetWidth() * bpp));
    p->GetRow(0, 0, p->GetHeight() - 1 - y, row.data());
    return {row.begin() + x * bpp, row.begin() + (x + 1) * bpp};
}

std::vector<uint8_t> ForegroundBytes(int type)
{
    if (type == WA_RGB24)
        return {0x30, 0x20, 0x10};
    return {uint8_t((0x10 + 0x20 + 0x30) / 3)};
}

// An indicator that records what the run did with it.
class RecordingControl : public QnEvalControl {
public:
    struct Indicator : QnProgressIndicator {
        int TestAbort() const override { return abort; }
        int Show(int on) override
        {
            shows.push_back(on);
            return 0;
        }
        void SetText(const char* t) override { text = t; }
        void SetProgress(uint32_t done, uint32_t total) override { steps.push_back({done, total}); }
        void qn_delete() override { ++released; }
        int abort = 0;
        std::vector<int> shows;
        std::string text;
        std::vector<std::pair<uint32_t, uint32_t>> steps;
        int released = 0;
    };
    int TestAbort() const override { return 0; }
    QnProgressIndicator* CreateProgressIndicator(int) override { return &indicator; }
    void NoteStep(int) override {}
    Indicator indicator;
};

class RunExternalPlugIn : public ::testing::Test {
protected:
    PpQnExpr Run(const std::string& name, const PpQnPicture& picture, const QnRgn& selection)
    {
        const PpQnExpr mask =
            MakeRgnToSelectExpr(MakeRgnValueExpr(selection), picture->GetWidth(), picture->GetHeight());
        return MakeRunExternalPlugInExpr(plugIns.Id(name), PpQnExpr(PpQnFlVal(picture)), mask, kForeground,
                                         0x00FFFFFF);
    }
    PpFlRectPict Answer(const PpQnExpr& e, QnEvalControl* control = nullptr)
    {
        return CheckedCastFlRectPict(QnValueOf(machine.eval(e, control)), "test", __LINE__);
    }

    PaintPlugIns plugIns;
    QnMachineContext machine;
};

} // namespace

// Inside the selection's box only selected pixels change; the answer's
// rectangle is what the plug-in wrote; the input picture stays as it was.
TEST_F(RunExternalPlugIn, KeepsToTheSelection)
{
    // An L of two rectangles; its box holds unselected pixels at (30, 22).
    const QnRgn ell = QnRgn(QnRect{10, 5, 20, 25}) + QnRgn(QnRect{10, 20, 35, 25});
    const struct {
        int type;
        QnRgn selection;
        QnRect written;
        QnPoint in, out;
    } cases[] = {
        {WA_RGB24, ell, {10, 5, 35, 25}, {12, 6}, {30, 10}},
        {WA_GRAY, ell, {10, 5, 35, 25}, {34, 24}, {21, 19}},
        // A selection reaching past the picture's left and bottom edges.
        {WA_RGB24, QnRgn(QnRect{-5, 20, 10, 40}), {0, 20, 10, 30}, {0, 29}, {10, 29}},
        // No selection: the whole picture.
        {WA_RGB24, QnRgn(), {0, 0, 40, 30}, {39, 0}, {-1, -1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const PpQnPicture picture = Pattern(c.type, 40, 30);
        const std::vector<uint8_t> before = PixelAt(picture, c.in.x, c.in.y);
        const PpFlRectPict answer = Answer(Run("Foreground fill", picture, c.selection));
        ASSERT_TRUE(answer->Changed());
        EXPECT_EQ(*answer->Changed(), c.written);
        const PpQnPicture result = answer->Picture();
        EXPECT_EQ(PixelAt(result, c.in.x, c.in.y), ForegroundBytes(c.type));
        EXPECT_EQ(PixelAt(picture, c.in.x, c.in.y), before);
        if (c.out.x >= 0) {
            EXPECT_EQ(PixelAt(result, c.out.x, c.out.y), PixelAt(picture, c.out.x, c.out.y));
        }
    }
    EXPECT_EQ(plugIns.Count("paint-1 parameters"), 4);
}

// A plug-in reading the picture and the mask in bands sees each pixel where
// it is: every selected pixel inverted, every other one as it was, across
// the work areas' bands of rows.
TEST_F(RunExternalPlugIn, PlugInReadsThePictureAndTheMask)
{
    const QnRgn selection = QnRgn(QnRect{3, 10, 12, 140}) + QnRgn(QnRect{3, 130, 37, 140});
    for (const int type : {WA_RGB24, WA_GRAY}) {
        const PpQnPicture picture = Pattern(type, 40, 150);
        const PpQnPicture result = Answer(Run("Invert", picture, selection))->Picture();
        for (int32_t y = 0; y < 150; ++y) {
            for (int32_t x = 0; x < 40; ++x) {
                std::vector<uint8_t> expected = PixelAt(picture, x, y);
                if (QnRgn(QnRect{x, y, x + 1, y + 1}) * selection)
                    for (uint8_t& b : expected)
                        b = uint8_t(255 - b);
                ASSERT_EQ(PixelAt(result, x, y), expected) << type << " at " << x << ", " << y;
            }
        }
    }
}

TEST_F(RunExternalPlugIn, PlugInThatLeavesTheSelectionWritesEverywhere)
{
    const PpQnPicture picture = Pattern(WA_RGB24, 40, 30);
    const PpFlRectPict answer = Answer(Run("Fill everywhere", picture, QnRgn(QnRect{10, 5, 20, 25})));
    EXPECT_EQ(*answer->Changed(), (QnRect{0, 0, 40, 30}));
    for (const QnPoint p : {QnPoint{0, 0}, QnPoint{15, 10}, QnPoint{39, 29}})
        EXPECT_EQ(PixelAt(answer->Picture(), p.x, p.y), ForegroundBytes(WA_RGB24));
}

TEST_F(RunExternalPlugIn, CancelledAndFailedRunsThrow)
{
    const PpQnPicture picture = Pattern(WA_RGB24, 40, 30);
    EXPECT_THROW(Answer(Run("Cancels", picture, QnRgn())), piInst_cancel);
    EXPECT_THROW(Answer(Run("Fails", picture, QnRgn())), piInst_err_execute);
}

// The indicator shows at the first step after the start, with the run's
// text, passes the user's cancel to the plug-in, and is hidden and released
// however the run ends.
TEST_F(RunExternalPlugIn, ProgressIndicatorOfARun)
{
    const PpQnPicture picture = Pattern(WA_RGB24, 40, 30);
    for (const int abort : {0, 1}) {
        RecordingControl control;
        control.indicator.abort = abort;
        const PpQnExpr e = Run("Foreground fill", picture, QnRgn());
        if (abort) {
            EXPECT_THROW(Answer(e, &control), piInst_cancel);
        } else {
            Answer(e, &control);
        }
        EXPECT_EQ(control.indicator.text, "Processing...");
        ASSERT_FALSE(control.indicator.shows.empty());
        EXPECT_EQ(control.indicator.shows.front(), 1);
        EXPECT_EQ(control.indicator.shows.back(), 0);
        EXPECT_EQ(control.indicator.steps.back(), (std::pair<uint32_t, uint32_t>{2, 2}));
        EXPECT_EQ(control.indicator.released, 1);
    }
}

// The expression keeps its plug-in's parameters: evaluating it again (its
// result dropped) runs the plug-in without asking again.
TEST_F(RunExternalPlugIn, ReevaluationAsksForParametersOnce)
{
    const PpQnPicture picture = Pattern(WA_GRAY, 20, 10);
    const PpQnExpr e = Run("Foreground fill", picture, QnRgn());
    Answer(e);
    QnForgetReduct(e);
    Answer(e);
    EXPECT_EQ(plugIns.Count("paint-1 start"), 2);
    EXPECT_EQ(plugIns.Count("paint-1 parameters"), 1);
}

TEST(PlugInDisplay, DrawsGreyAndColourMapsUnscaled)
{
    // Two rows of two pixels; planes 4 bytes apart in the colour map.
    const uint8_t grey[] = {10, 20, 30, 40};
    const uint8_t colour[] = {1, 2, 3, 4, 11, 12, 13, 14, 21, 22, 23, 24};
    MemoryDC dc(8, 8, QnRGB(0, 0, 0));
    tagPIPIXELMAP map{};
    map.depth = 8;
    map.right = map.bottom = 2;
    map.rowBytes = 2;
    map.colBytes = 1;
    map.base = grey;
    map.platformContext = &dc;
    map.dstRow = 1;
    map.dstColumn = 3;
    DisplayFunction(&map);
    EXPECT_EQ(dc.DevicePixel(3, 1), QnRGB(10, 10, 10));
    EXPECT_EQ(dc.DevicePixel(4, 2), QnRGB(40, 40, 40));
    EXPECT_EQ(dc.DevicePixel(2, 1), QnRGB(0, 0, 0));

    map.depth = 16;
    map.planeBytes = 4;
    map.base = colour;
    map.dstRow = 5;
    map.dstColumn = 0;
    DisplayFunction(&map);
    EXPECT_EQ(dc.DevicePixel(0, 5), QnRGB(1, 11, 21));
    EXPECT_EQ(dc.DevicePixel(1, 6), QnRGB(4, 14, 24));
}
