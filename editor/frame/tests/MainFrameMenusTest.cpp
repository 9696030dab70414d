// The main frame's menu bar: the main frame's menu while no picture window
// is open, the picture menu while one is active, and back when it closes.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "editor/frame/MainFrm.h"
#include "editor/loadable/LdLoadable.h"
#include "editor/loadable/SelectParams.h"
#include "editor/registry/LdRegistry.h"
#include "editor/ui/LdBarHost.h"
#include "framework/MDIChildWnd.h"

namespace {

// The frame's bars are never made here; the host only has to exist.
class NullHost : public CLdBarHost {
public:
    std::unique_ptr<CLdLoadable> CreateLoadable(const std::string&) override { return nullptr; }
    void ResetToStart(CLdBarLogic*) override {}
    void SetMode(int) override {}
    bool AnimationOn() override { return false; }
    fw::ColorRef Foreground() override { return 0; }
    fw::ColorRef Background() override { return 0; }
    void SetForeground(fw::ColorRef) override {}
    void SetBackground(fw::ColorRef) override {}
    fw::Object* TextParams() override { return nullptr; }
    fw::Object* BrushParams() override { return nullptr; }
    fw::Object* FillParams() override { return nullptr; }
    CSelectParams& SelectParams() override { return select; }
    void SetTextColour(fw::ColorRef) override {}
    void SetBrushColour(fw::ColorRef) override {}
    void SetFillColours(fw::ColorRef, fw::ColorRef) override {}
    CLdBarDocument* ActiveDocument() override { return nullptr; }
    void InvalidateActiveView() override {}
    void CommitText(CLdBarDocument&) override {}
    void AttachSelector(const QnRgn&) override {}
    QnRgn SelectorSelection() override { return {}; }
    void SetSelectorSelection(const QnRgn&) override {}
    bool AcquireUnavailable() override { return true; }
    void SendCommand(uint32_t) override {}

    CSelectParams select;
};

std::vector<std::string> Titles(QMenuBar* bar)
{
    std::vector<std::string> titles;
    for (QAction* action : bar->actions())
        titles.push_back(action->text().toStdString());
    return titles;
}

std::vector<std::string> Texts(QMenu* menu)
{
    std::vector<std::string> texts;
    for (QAction* action : menu->actions())
        texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return texts;
}

class MainFrameMenus : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CMainFrame(registry, host);
        frame->resize(800, 600);
        frame->show();
    }
    void TearDown() override { delete frame.data(); }

    CLdRegistry registry;
    NullHost host;
    QPointer<CMainFrame> frame;
};

TEST_F(MainFrameMenus, FollowWhetherAPictureWindowIsActive)
{
    const std::vector<std::string> mainFrame = {"&File", "&Edit", "&View", "Wi&zard", "&Options", "&Help"};
    const std::vector<std::string> picture = {"&File",   "&Edit",    "&View",   "&Picture", "Effe&cts",
                                              "Wi&zard", "&Options", "&Window", "&Help"};
    frame->UpdateMenus();
    EXPECT_EQ(Titles(frame->menuBar()), mainFrame);
    EXPECT_EQ(Texts(frame->menuBar()->actions()[0]->menu()),
              (std::vector<std::string>{"&New...", "&Open...", "Open From A&lbum...", "-", "Ac&quire...",
                                        "Select Sou&rce...", "-", "Print Se&tup...", "-", "Recent File", "-",
                                        "E&xit"}));

    auto* child = new fw::MDIChildWnd;
    frame->AddChild(child);
    child->ActivateFrame();
    ASSERT_EQ(frame->MDIGetActive(), child);
    // The title update that the activation brings rebuilds the menus.
    QApplication::processEvents();
    ASSERT_EQ(Titles(frame->menuBar()), picture);
    QMenu* effects = frame->menuBar()->actions()[CMainFrame::kEffectsMenuIndex]->menu();
    ASSERT_NE(effects, nullptr);
    EXPECT_EQ(Texts(effects), (std::vector<std::string>{"&Artwork", "&Deformations", "-", "Ed&ges...", "&Textures"}));
    QMenu* file = frame->menuBar()->actions()[0]->menu();
    EXPECT_EQ(file->actions()[0]->shortcut(), QKeySequence("Ctrl+N"));

    child->DestroyWindow();
    QApplication::processEvents();
    EXPECT_EQ(frame->MDIGetActive(), nullptr);
    EXPECT_EQ(Titles(frame->menuBar()), mainFrame);
}

}  // namespace
