// A floating tool window beside the MDI program: while it holds the
// activation the frame's active child stays, a child activated meanwhile
// becomes active (and commands follow it), and the frame activated again
// keeps that child. A quit request with the tool window open ends the
// program as File > Exit does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "TestApp.h"
#include "framework/CommandIds.h"
#include "framework/MessageBox.h"
#include "framework/MiniFrameWnd.h"

namespace fwtest {
namespace {

class ToolWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousBox_ = fw::SetMessageBoxHook([](const fw::MessageBoxRequest&) { return fw::IDNO; });
        ASSERT_TRUE(app.InitInstance());
        app.main->show();
        tool = new fw::MiniFrameWnd;
        tool->Create("Palette", QRect(10, 10, 200, 150), app.main);
        tool->show();
    }
    void TearDown() override { fw::SetMessageBoxHook(previousBox_); }

    ChildFrame* NewChild()
    {
        EXPECT_TRUE(app.main->SendCommand(fw::ID_FILE_NEW));
        QApplication::processEvents();
        return dynamic_cast<ChildFrame*>(app.main->MDIGetActive());
    }
    // What the window system does when the user clicks a window.
    static void Activate(QWidget* window)
    {
        QApplication::setActiveWindow(window);
        QApplication::processEvents();
    }

    TestApp app;
    fw::MiniFrameWnd* tool = nullptr;
    fw::MessageBoxHook previousBox_;
};

TEST_F(ToolWindow, TheFramesActiveChildOutlivesTheToolWindowsActivation)
{
    Activate(app.main);
    ChildFrame* first = NewChild();
    ASSERT_NE(first, nullptr);

    Activate(tool);
    EXPECT_EQ(app.main->MDIGetActive(), first);
    ChildFrame* second = NewChild();  // opened while the tool window is active
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(app.main->GetActiveDocument(), second->GetActiveDocument());
    EXPECT_EQ(second->activity.back(), "on");
    EXPECT_EQ(first->activity.back(), "off");
    EXPECT_EQ(app.main->GetActiveView(), second->GetActiveView());

    // Back in the frame, the area's own last choice does not win.
    Activate(app.main);
    EXPECT_EQ(app.main->MDIGetActive(), second);
    EXPECT_EQ(app.main->GetMdiArea()->activeSubWindow(), second->parentWidget());

    // Activated from the program while the tool window is active.
    Activate(tool);
    first->MDIActivate();
    EXPECT_EQ(app.main->MDIGetActive(), first);
    Activate(app.main);
    EXPECT_EQ(app.main->MDIGetActive(), first);
    EXPECT_EQ(second->activity.back(), "off");

    // The user picks the other window in the frame.
    app.main->GetMdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(second->parentWidget()));
    EXPECT_EQ(app.main->MDIGetActive(), second);
}

TEST_F(ToolWindow, AQuitRequestEndsTheProgramAsExitDoes)
{
    NewChild();
    app.InstallEventHooks();
    bool ended = false;
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    // A refused request would leave the loop running: end it after a while
    // so that the test fails instead of hanging.
    QTimer::singleShot(20000, [] { QCoreApplication::exit(1); });
    ended = QCoreApplication::exec() == 0;
    EXPECT_TRUE(ended);
    EXPECT_EQ(app.GetMainWnd(), nullptr);
    EXPECT_TRUE(app.GetDocManager().GetTemplates().front()->GetDocuments().empty());
}

}  // namespace
}  // namespace fwtest
