// The status bar: its panes, the texts it shows for a picture under the
// pointer, and its icon buttons, whose command goes out wherever the
// button comes up.
#include <gtest/gtest.h>

#include <QTest>
#include <QVBoxLayout>

#include "DialogGrab.h"
#include "editor/ui/LdStatusBar.h"
#include "editor/ui/PictureViewProbe.h"
#include "framework/FrameWnd.h"

namespace {

TEST(StatusTexts, ForAPictureUnderThePointer)
{
    struct Case {
        int32_t n;
        uint32_t d;
        const char* zoom;
    };
    const Case cases[] = {
        {1, 1, " 100%"}, {1, 3, "  33%"}, {2, 3, "  67%"}, {1, 8, "  13%"}, {16, 1, "1600%"},
        {100000000, 1, "10000000000%"},  // no 32-bit overflow
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        const LdStatusTexts texts =
            LdStatusTexts::For(LdPictureSample{{7, 1234}, platform::MakeColorRef(255, 8, 0), c.n, c.d});
        EXPECT_EQ(texts.zoom, c.zoom);
        EXPECT_EQ(texts.position, "x=   7, y=1234");
        EXPECT_EQ(texts.colour, "R=255, G=  8, B=  0");
    }
    EXPECT_EQ(LdStatusTexts::For(std::nullopt), LdStatusTexts{});
}

// A picture view that is a 4 x zoomed picture of colour (x, y, 50) with a
// 10-pixel strip along its right edge that is not client area.
class ZoomedView : public QWidget, public CLdPictureViewProbe {
public:
    bool HitTestClient(const QPoint& screen) const override
    {
        const QPoint p = mapFromGlobal(screen);
        return rect().contains(p) && p.x() < width() - 10;
    }
    QnPoint ScreenToPicture(const QPoint& screen) const override
    {
        const QPoint p = mapFromGlobal(screen);
        return {p.x() / 4, p.y() / 4};
    }
    platform::COLORREF GetPixelColor(const QnPoint& at) const override
    {
        return platform::MakeColorRef(uint8_t(at.x), uint8_t(at.y), 50);
    }
    QnXFormXY GetViewXForm() const override { return {QnXForm(4, 0, 1), QnXForm(4, 0, 1)}; }
};

class Frame : public fw::FrameWnd {
public:
    std::vector<uint32_t> commands;
    bool OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui) override
    {
        if (code == fw::CmdCode::Command && ((id >= 32784 && id <= 32789) || id == 32872)) {
            commands.push_back(id);
            return true;
        }
        return fw::FrameWnd::OnCmdMsg(id, code, ui);
    }
};

class StatusBarPanes : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame.resize(640, 300);
        auto* central = new QWidget(&frame);
        auto* layout = new QVBoxLayout(central);
        view = new ZoomedView;
        layout->addWidget(view);
        frame.setCentralWidget(central);
        bar = new CLdStatusBar(&frame);
        ASSERT_TRUE(bar->Create(&frame));
        frame.SetStatusBar(bar);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }
    QPoint Centre(int pane) const { return bar->GetItemRect(pane).center(); }

    Frame frame;
    ZoomedView* view = nullptr;
    CLdStatusBar* bar = nullptr;
};

}  // namespace

TEST_F(StatusBarPanes, PanesInOrderWithTheirWidthsAndStyles)
{
    ASSERT_EQ(bar->GetCount(), 9u);
    const uint32_t ids[] = {0, 1078, 1080, 1081, 1082, 1083, 1084, 1085, 1086};
    const int cw = bar->CharWidth();
    ASSERT_GT(cw, 0);
    const int widths[] = {0, 20, 20, 20, 20, 20, 8 * cw, 20 * cw, 26 * cw};
    for (int i = 1; i < 9; ++i) {
        uint32_t id = 0, style = 0;
        int width = 0;
        bar->GetPaneInfo(i, id, style, width);
        EXPECT_EQ(id, ids[i]) << i;
        EXPECT_EQ(width, widths[i]) << i;
        const uint32_t expected = i <= 5 ? fw::StatusBar::SBPS_POPOUT | fw::StatusBar::SBPS_DISABLED
                                         : fw::StatusBar::SBPS_NORMAL;
        EXPECT_EQ(style, expected) << i;
    }
    EXPECT_EQ(CLdStatusBar::PaneCommand(0), 0u);
    EXPECT_EQ(CLdStatusBar::PaneCommand(6), 0u);
}

TEST_F(StatusBarPanes, TextsFollowThePointerOverAPicture)
{
    const QPoint overPicture = view->mapToGlobal(QPoint(41, 22));
    bar->UpdateTexts(overPicture);
    EXPECT_EQ(bar->GetPaneText(CLdStatusBar::kScalePane), " 400%");
    EXPECT_EQ(bar->GetPaneText(CLdStatusBar::kCursorPane), "x=  10, y=   5");
    EXPECT_EQ(bar->GetPaneText(CLdStatusBar::kColorPane), "R= 10, G=  5, B= 50");
    GrabWhenAsked(*bar, "LdStatusBar", false);

    for (const QPoint& elsewhere : {view->mapToGlobal(QPoint(view->width() - 3, 22)), bar->mapToGlobal(QPoint(2, 2))}) {
        bar->UpdateTexts(elsewhere);
        EXPECT_EQ(bar->GetPaneText(CLdStatusBar::kScalePane), "");
        EXPECT_EQ(bar->GetPaneText(CLdStatusBar::kCursorPane), "");
        EXPECT_EQ(bar->GetPaneText(CLdStatusBar::kColorPane), "");
    }
}

TEST_F(StatusBarPanes, IconButtonsSendTheirCommandWhereverReleased)
{
    for (int pane = 1; pane <= 5; ++pane) {
        QTest::mousePress(bar, Qt::LeftButton, {}, Centre(pane));
        EXPECT_EQ(bar->PressedPane(), pane);
        EXPECT_EQ(bar->GetPaneStyle(pane), fw::StatusBar::SBPS_DISABLED);
        EXPECT_TRUE(frame.commands.size() == size_t(pane - 1));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, pane == 3 ? Centre(8) : Centre(pane));
        EXPECT_EQ(bar->PressedPane(), -1);
        EXPECT_EQ(bar->GetPaneStyle(pane), fw::StatusBar::SBPS_POPOUT | fw::StatusBar::SBPS_DISABLED);
    }
    EXPECT_EQ(frame.commands, (std::vector<uint32_t>{32789, 32785, 32786, 32784, 32872}));

    // Text panes and the right button are no buttons.
    QTest::mouseClick(bar, Qt::LeftButton, {}, Centre(7));
    QTest::mouseClick(bar, Qt::RightButton, {}, Centre(2));
    EXPECT_EQ(frame.commands.size(), 5u);
}

TEST_F(StatusBarPanes, IconsAreDrawnCentredAndPressedIn)
{
    const QRect r = bar->GetItemRect(2);
    const QPoint origin(r.left() + (r.width() - 10) / 2, r.top() + (r.height() - 10) / 2);
    // The zoom-in icon has its "+" centre in dark blue at (4, 3).
    const QRgb blue = qRgb(0, 0, 128);
    EXPECT_EQ(bar->grab().toImage().pixel(origin + QPoint(4, 3)), blue);
    QTest::mousePress(bar, Qt::LeftButton, {}, r.center());
    EXPECT_EQ(bar->grab().toImage().pixel(origin + QPoint(5, 4)), blue);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, r.center());
}
