// The album's main frame: its commands and when they are enabled, the
// toolbar, the smallest size and the status text.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QToolBar>

#include "AppTestSupport.h"
#include "GrabChecks.h"
#include "album/app/AlbumIds.h"
#include "album/app/FakeAlbumScanner.h"
#include "album/app/FrameSizeLimits.h"
#include "album/app/MainFrm.h"
#include "album/app/OvalbumApp.h"
#include "framework/CommandIds.h"
#include "framework/ControlId.h"
#include "framework/StatusBar.h"

namespace {

QAction* FindAction(QWidget* root, uint32_t id)
{
    for (QAction* action : root->findChildren<QAction*>())
        if (fw::ControlId(action) == id && !action->isSeparator())
            return action;
    return nullptr;
}

class MainFrameTest : public albumapptest::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app.SetProgramFolder(ProgramFolder());
        app.SetLauncher(std::make_unique<albumapptest::RecordingLauncher>());
        auto fake = std::make_unique<FakeAlbumScanner>();
        scanner = fake.get();
        app.SetScanner(std::move(fake));
        ASSERT_TRUE(app.InitInstance());
        frame = dynamic_cast<CMainFrame*>(app.GetMainWnd());
        ASSERT_NE(frame, nullptr);
    }
    void TearDown() override
    {
        app.CloseAllDocuments(true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        AppFixture::TearDown();
    }

    COvalbumApp app;
    FakeAlbumScanner* scanner = nullptr;
    CMainFrame* frame = nullptr;
};

TEST_F(MainFrameTest, ScannerCommandsFollowTheScannerAndTheTransferMethod)
{
    struct Case {
        const char* name;
        int32_t busy;
        int transfer;
        bool acquire, select, memory, native;  // enabled
        bool memoryChecked, nativeChecked;
    } const cases[] = {
        {"idle, native", 0, 1, true, true, true, true, false, true},
        {"idle, memory", 0, 0, true, true, true, true, true, false},
        {"busy", 1, 1, false, false, false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scanner->busy = c.busy;
        frame->transferMethod = c.transfer;
        frame->UpdateCommandUI();
        for (QMenu* menu : frame->menuBar()->findChildren<QMenu*>())
            frame->UpdateMenu(menu);
        EXPECT_EQ(FindAction(frame, ID_ACQUIRE)->isEnabled(), c.acquire);
        EXPECT_EQ(FindAction(frame, ID_SELECT_SOURCE)->isEnabled(), c.select);
        EXPECT_EQ(FindAction(frame, ID_THRU_MEMORY)->isEnabled(), c.memory);
        EXPECT_EQ(FindAction(frame, ID_NATIVE)->isEnabled(), c.native);
        EXPECT_EQ(FindAction(frame, ID_THRU_MEMORY)->isChecked(), c.memoryChecked);
        EXPECT_EQ(FindAction(frame, ID_NATIVE)->isChecked(), c.nativeChecked);
    }
}

TEST_F(MainFrameTest, ScannerCommandsPassTheTransferMethod)
{
    EXPECT_EQ(frame->transferMethod, 1);
    frame->SendCommand(ID_ACQUIRE);
    frame->SendCommand(ID_THRU_MEMORY);
    EXPECT_EQ(frame->transferMethod, 0);
    frame->SendCommand(ID_ACQUIRE);
    frame->SendCommand(ID_SELECT_SOURCE);
    frame->SendCommand(ID_NATIVE);
    EXPECT_EQ(frame->transferMethod, 1);
    const std::vector<std::string> want = {"acquire native", "acquire memory", "select"};
    std::vector<std::string> got;
    for (const std::string& call : scanner->calls)
        if (call != "init")
            got.push_back(call);
    EXPECT_EQ(got, want);
}

TEST_F(MainFrameTest, ToolbarHoldsTheCommonCommandsInGroups)
{
    std::vector<uint32_t> ids;
    for (QAction* action : frame->ToolBar()->actions())
        ids.push_back(action->isSeparator() ? 0 : fw::ControlId(action));
    const std::vector<uint32_t> want = {fw::ID_FILE_NEW, fw::ID_FILE_OPEN, fw::ID_FILE_SAVE, 0,
                                        ID_ALBUM_CUT, ID_ALBUM_COPY, ID_ALBUM_PASTE, 0,
                                        ID_ALBUM_UNDO, 0, ID_ADD_ITEMS, ID_DELETE_ITEM, 0,
                                        ID_SEARCH, ID_VIEW_FOUND, 0, fw::ID_APP_ABOUT};
    EXPECT_EQ(ids, want);

    // Each button shows a picture of its own, 24 by 22 with the strip's
    // grey let through, and names its command in a tool tip.
    std::vector<QImage> pictures;
    for (QAction* action : frame->ToolBar()->actions()) {
        if (action->isSeparator())
            continue;
        SCOPED_TRACE(fw::ControlId(action));
        EXPECT_FALSE(action->toolTip().isEmpty());
        ASSERT_FALSE(action->icon().isNull());
        const QImage picture = action->icon().pixmap(QSize(24, 22)).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(picture.size(), QSize(24, 22));
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
        for (const QImage& other : pictures)
            EXPECT_NE(picture, other);
        pictures.push_back(picture);
    }
    EXPECT_EQ(pictures.size(), 12u);
}

TEST_F(MainFrameTest, StatusTextAndSmallestSize)
{
    frame->SetStatusText("Creating thumbnail No 3");
    EXPECT_EQ(frame->GetStatusBar()->GetPaneText(0), "Creating thumbnail No 3");
    frame->resize(200, 100);
    EXPECT_GE(frame->width(), kAlbumFrameMinWidth);
    EXPECT_GE(frame->height(), kAlbumFrameMinHeight);
    frame->resize(800, 600);
    frame->show();

    // The grab shows the status text and every button of the toolbar with
    // its picture, where they sit.
    const QImage shot = albumapptest::Shot(frame);
    ASSERT_EQ(shot.size(), frame->size());
    const QRect status = albumapptest::PlaceIn(frame, frame->GetStatusBar());
    const int inked = albumapptest::InkPixels(shot, status);
    frame->SetStatusText("");
    EXPECT_GT(inked, albumapptest::InkPixels(albumapptest::Shot(frame), status) + 20);

    QToolBar* bar = frame->ToolBar();
    int buttons = 0;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator() || !action->isEnabled())
            continue;
        SCOPED_TRACE(fw::ControlId(action));
        QWidget* button = bar->widgetForAction(action);
        ASSERT_NE(button, nullptr);
        albumapptest::ExpectDrawnInPlace(shot, frame, button);
        EXPECT_TRUE(albumapptest::ShowsIcon(shot, albumapptest::PlaceIn(frame, button), action->icon(), bar->iconSize()));
        ++buttons;
    }
    EXPECT_GE(buttons, 3);
}

TEST(FrameSizeLimits, TheDraggedEdgeGivesWay)
{
    struct Case {
        const char* name;
        QnRect r;
        SizingEdge edge;
        QnRect want;
    } const cases[] = {
        {"left to 300 wide stops at 400", {100, 0, 400, 500}, SizingEdge::Left, {0, 0, 400, 500}},
        {"right", {100, 0, 400, 500}, SizingEdge::Right, {100, 0, 500, 500}},
        {"top", {0, 300, 500, 500}, SizingEdge::Top, {0, 200, 500, 500}},
        {"bottom-left corner", {100, 0, 200, 100}, SizingEdge::BottomLeft, {-200, 0, 200, 300}},
        {"large enough stays", {0, 0, 400, 300}, SizingEdge::TopLeft, {0, 0, 400, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QnRect r = c.r;
        KeepMinimumFrameSize(r, c.edge);
        EXPECT_EQ(r, c.want);
    }
}

}  // namespace
