// Picture > Stitch: the placements and their clamping, the preview's zoom
// levels and markers, and the dialog with its preview window driven as the
// user would.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "DialogGrab.h"
#include "editor/ui/StitchDlg.h"
#include "editor/ui/StitchPreview.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "picture/Picture.h"

namespace {

const StitchSizes kSizes{300, 200, 100, 50};

}  // namespace

TEST(StitchGeometry, PlacementsAndClamping)
{
    EXPECT_EQ(StitchCanvas(kSizes), (QnRect{0, 0, 500, 300}));
    EXPECT_EQ(StitchLowerRect(kSizes), (QnRect{100, 50, 400, 250}));
    struct Case {
        int edges;
        QnPoint custom, shift;
    };
    const Case cases[] = {
        {0, {}, {300, 0}},
        {1, {}, {0, 200}},
        {2, {}, {-100, 0}},
        {3, {7, 7}, {0, -50}},
        {4, {400, 10}, {300, 10}},
        {4, {-150, -60}, {-100, -50}},
        {4, {12, 300}, {12, 200}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StitchPlacement(c.edges, kSizes, c.custom), c.shift) << c.edges << " " << c.custom.x;
    EXPECT_EQ(StitchUpperRect(kSizes, QnPoint{300, 0}), (QnRect{400, 50, 500, 100}));
    // Marking (10, 10) of the lower picture and (4, 6) of the upper one.
    EXPECT_EQ(StitchAlignMarkers(QnPoint{10, 10}, QnPoint{4, 6}, kSizes), (QnPoint{6, 4}));
    EXPECT_EQ(StitchAlignMarkers(QnPoint{0, 0}, QnPoint{99, 49}, kSizes), (QnPoint{-99, -49}));
    EXPECT_EQ(StitchAlignMarkers(QnPoint{299, 0}, QnPoint{0, 49}, kSizes), (QnPoint{299, -49}));
}

TEST(StitchGeometry, ZoomLevels)
{
    // Zooming in from -6 and out from 6, one step at a time.
    std::vector<int> in{-6};
    while (in.size() < 7)
        in.push_back(StitchZoomIn(in.back()));
    EXPECT_EQ(in, (std::vector<int>{-6, -4, -2, 1, 2, 4, 6}));
    EXPECT_EQ(StitchZoomIn(-3), -1);
    EXPECT_EQ(StitchZoomIn(-1), 2);
    EXPECT_EQ(StitchZoomIn(31), 33);
    EXPECT_EQ(StitchZoomIn(32), 0);
    std::vector<int> out{6};
    while (out.size() < 6)
        out.push_back(StitchZoomOut(out.back()));
    EXPECT_EQ(out, (std::vector<int>{6, 4, 2, 1, -2, -4}));
    EXPECT_EQ(StitchZoomOut(-1), -2);
    EXPECT_EQ(StitchZoomOut(-31), -33);
    EXPECT_EQ(StitchZoomOut(-32), 0);
    for (int level : {-7, -3, -2, 1, 2, 5})
        EXPECT_EQ(StitchZoomLevel(StitchZoomRatio(level)), level);
    // A 2100 x 700 frame on a 1024 x 768 screen opens at 1 : 3.
    EXPECT_EQ(StitchReduction(QnPoint{2100, 700}, QnPoint{1024, 768}), 3);
    EXPECT_EQ(StitchReduction(QnPoint{1000, 700}, QnPoint{1024, 768}), 1);
    EXPECT_EQ(StitchReduction(QnPoint{1000, 1600}, QnPoint{1024, 768}), 3);
}

namespace {

class StitchDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
            messages.push_back(r.text);
            return fw::IDOK;
        });
    }
    void TearDown() override
    {
        fw::SetMessageBoxHook({});
        fw::SetDialogHook({});
    }
    static std::vector<StitchPicture> Pictures()
    {
        return {{"small.bmp", PpQnRenderObj(PpQnPicture(100, 50, 0x0000FF))},
                {"large.bmp", PpQnRenderObj(PpQnPicture(300, 200, 0x00FF00))},
                {"third.bmp", PpQnRenderObj(PpQnPicture(40, 40, 0xFF0000))}};
    }
    static void Choose(fw::Dialog& d, uint32_t id, int index)
    {
        auto* combo = qobject_cast<QComboBox*>(d.GetDlgItem(id));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    static void Type(fw::Dialog& d, uint32_t id, const char* text)
    {
        qobject_cast<QLineEdit*>(d.GetDlgItem(id))->setText(text);
    }

    std::vector<std::string> messages;
};

}  // namespace

TEST_F(StitchDialog, ChoicesShiftsAndCancel)
{
    StitchDlg dialog(Pictures(), 1);
    const int result = [&] {
        fw::SetDialogHook([&](fw::Dialog& d) {
            auto& s = static_cast<StitchDlg&>(d);
            // The active picture below, the first other one above.
            EXPECT_EQ(s.lowerIndex, 1);
            EXPECT_EQ(s.upperIndex, 0);
            EXPECT_EQ(s.Shift(), (QnPoint{300, 0}));
            EXPECT_FALSE(d.GetDlgItem(StitchDlg::IDC_X_SHIFT)->isEnabled());
            EXPECT_TRUE(d.GetDlgItem(StitchDlg::IDC_PREVIEW)->isEnabled());
            Choose(d, StitchDlg::IDC_EDGES, 3);
            EXPECT_EQ(s.Shift(), (QnPoint{0, -50}));
            Choose(d, StitchDlg::IDC_EDGES, 4);
            EXPECT_TRUE(d.GetDlgItem(StitchDlg::IDC_X_SHIFT)->isEnabled());
            Type(d, StitchDlg::IDC_X_SHIFT, "400");
            Type(d, StitchDlg::IDC_Y_SHIFT, "-7");
            s.OnPlacementChanged();
            EXPECT_EQ(s.Shift(), (QnPoint{300, -7}));
            EXPECT_EQ(fw::GetControlText(d.GetDlgItem(StitchDlg::IDC_X_SHIFT)), "300");
            // Another upper picture: the placement starts again.
            Choose(d, StitchDlg::IDC_UPPER, 2);
            EXPECT_EQ(s.edges, 0);
            EXPECT_EQ(s.Sizes().upperWidth, 40);
            EXPECT_EQ(s.Shift(), (QnPoint{300, 0}));
            // A transparency out of range is refused.
            Type(d, StitchDlg::IDC_TRANSPARENCY, "101");
            EXPECT_FALSE(d.PressButton(fw::IDOK) && !d.IsOpen());
            EXPECT_EQ(messages.size(), 1u);
            Type(d, StitchDlg::IDC_TRANSPARENCY, "30");
            d.show();
            GrabWhenAsked(d, "StitchDlg");
            d.PressButton(fw::IDOK);
        });
        return dialog.DoModal();
    }();
    EXPECT_EQ(result, fw::IDOK);
    EXPECT_EQ(dialog.transparency, 30);
    EXPECT_EQ(dialog.upperIndex, 2);
}

TEST_F(StitchDialog, PreviewDragsAlignsAndZooms)
{
    StitchDlg dialog(Pictures(), 1);
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto& s = static_cast<StitchDlg&>(d);
        EXPECT_TRUE(d.PressButton(StitchDlg::IDC_PREVIEW));
        ASSERT_TRUE(s.PreviewOpen());
        StitchPreview& p = s.Preview();
        EXPECT_EQ(p.ZoomLevel(), 1);
        // Canvas 500 x 300: the upper picture at (400, 50) on it.
        const QPoint onUpper = p.CanvasToClient(QnPoint{410, 60});
        EXPECT_EQ(p.ClientToCanvas(onUpper), (QnPoint{410, 60}));
        const QImage shown = p.Canvas()->grab().toImage();
        EXPECT_EQ(shown.pixelColor(onUpper), QColor(255, 0, 0));
        const QPoint onLower = p.CanvasToClient(QnPoint{150, 100});
        EXPECT_EQ(shown.pixelColor(onLower), QColor(0, 255, 0));
        GrabWhenAsked(*p.Window(), "StitchPreview", false);

        // Drag the upper picture by (-20, +5), then far beyond the lower one.
        p.OnLButtonDown(onUpper, false);
        EXPECT_TRUE(p.Dragging());
        p.OnMouseMove(onUpper + QPoint(-20, 5));
        EXPECT_EQ(s.Shift(), (QnPoint{280, 5}));
        EXPECT_EQ(s.edges, kCustomShifts);
        EXPECT_EQ(fw::GetControlText(d.GetDlgItem(StitchDlg::IDC_Y_SHIFT)), "5");
        p.OnMouseMove(onUpper + QPoint(500, 500));
        EXPECT_EQ(s.Shift(), (QnPoint{300, 200}));
        p.OnLButtonUp();
        EXPECT_FALSE(p.Dragging());

        // Markers: (10, 10) of the lower picture and (4, 6) of the upper one.
        p.OnLButtonDown(p.CanvasToClient(QnPoint{100 + 10, 50 + 10}), true);
        EXPECT_TRUE(p.MarkerSet(false));
        p.OnLButtonDown(p.CanvasToClient(QnPoint{100 + 300 + 4, 50 + 200 + 6}), true);
        EXPECT_EQ(s.Shift(), (QnPoint{6, 4}));
        EXPECT_FALSE(p.MarkerSet(false));
        EXPECT_FALSE(p.MarkerSet(true));

        // Zoom in arms; the next click zooms there.
        p.OnCommand(StitchPreview::ID_ZOOM_IN);
        EXPECT_TRUE(p.ZoomArmed());
        EXPECT_EQ(p.ZoomLevel(), 1);
        const QPoint at = p.CanvasToClient(QnPoint{250, 150});
        p.OnLButtonDown(at, false);
        EXPECT_EQ(p.ZoomLevel(), 2);
        EXPECT_FALSE(p.Dragging());
        p.OnCommand(StitchPreview::ID_ZOOM_OUT);
        p.OnCommand(StitchPreview::ID_ZOOM_OUT);
        EXPECT_EQ(p.ZoomLevel(), -2);

        // Another lower picture closes the preview.
        Choose(d, StitchDlg::IDC_LOWER, 2);
        EXPECT_FALSE(s.PreviewOpen());
        d.PressButton(fw::IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDCANCEL);
    EXPECT_FALSE(dialog.PreviewOpen());
}
