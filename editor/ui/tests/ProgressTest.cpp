// Progress of long computations: the bar's range, the window that opens
// once and disables the main window, Cancel and Escape only where
// cancelling is allowed, the wait cursor, and the view's progress strip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "DialogGrab.h"
#include "editor/ui/CursorProgInd.h"
#include "editor/ui/EvalControl.h"
#include "editor/ui/LodoProgress.h"
#include "editor/ui/ProgressIndicator.h"
#include "framework/App.h"
#include "framework/FrameWnd.h"
#include "lang/ProgressIndicatorAuto.h"

namespace {

using Range = ProgressIndicator::Range;

TEST(ProgressRange, SmallTotalsAsTheyAreLargeOnesScaled)
{
    EXPECT_EQ(ProgressIndicator::BarRange(0, 0), (Range{0, 0}));
    EXPECT_EQ(ProgressIndicator::BarRange(50, 100), (Range{100, 50}));
    EXPECT_EQ(ProgressIndicator::BarRange(32766, 32766), (Range{32766, 32766}));
    EXPECT_EQ(ProgressIndicator::BarRange(50000, 100000), (Range{32767, 16383}));
    EXPECT_EQ(ProgressIndicator::BarRange(0xFFFFFFFFu, 0xFFFFFFFFu), (Range{32767, 32767}));  // no overflow
}

class ProgressWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.SetMainWnd(&main);
        main.show();
    }
    void TearDown() override { app.SetMainWnd(nullptr); }

    fw::App app{"Telvy12"};
    fw::FrameWnd main;
};

}  // namespace

TEST_F(ProgressWindow, OpensOnceAndDisablesTheMainWindowWhileOpen)
{
    QnProgressIndicator* indicator = theEvalControl.CreateProgressIndicator(0);
    auto* window = static_cast<EvalControl::ProgInd*>(indicator);
    indicator->SetText("Stretching");
    EXPECT_EQ(indicator->Show(0), 0);  // nothing to hide
    EXPECT_EQ(indicator->Show(1), 0);
    ProgressIndicator* dialog = window->Dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(indicator->Show(1), 1);
    EXPECT_EQ(window->Dialog(), dialog);
    EXPECT_FALSE(main.isEnabled());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->GetDlgItem(ProgressIndicator::IDC_CANCEL)->isEnabled());
    EXPECT_EQ(dialog->Text()->text(), "Stretching");
    indicator->SetText("Building optimized palette...");
    EXPECT_EQ(dialog->Text()->text(), "Building optimized palette...");
    indicator->SetProgress(50000, 100000);
    EXPECT_EQ(dialog->Bar()->maximum(), 32767);
    EXPECT_EQ(dialog->Bar()->value(), 16383);
    GrabWhenAsked(*dialog, "ProgressIndicator", false);

    EXPECT_EQ(indicator->TestAbort(), 0);
    dialog->PressButton(ProgressIndicator::IDC_CANCEL);
    EXPECT_EQ(indicator->TestAbort(), 1);
    EXPECT_TRUE(dialog->isVisible());  // cancelling is for the computation to act on

    EXPECT_EQ(indicator->Show(0), 1);
    EXPECT_EQ(window->Dialog(), nullptr);
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(indicator->TestAbort(), 0);
    indicator->Show(1);
    indicator->qn_delete();  // hides on the way out
    EXPECT_TRUE(main.isEnabled());
}

TEST_F(ProgressWindow, EscapeAndCancel)
{
    {
        auto* indicator = static_cast<EvalControl::ProgInd*>(theEvalControl.CreateProgressIndicator(0));
        indicator->Show(1);
        QTest::keyClick(indicator->Dialog(), Qt::Key_Escape);
        EXPECT_EQ(indicator->TestAbort(), 1);
        EXPECT_TRUE(indicator->Dialog()->isVisible());
        indicator->qn_delete();
    }
    {
        auto* indicator = static_cast<EvalControl::ProgInd*>(theModalEvalControl.CreateProgressIndicator(0));
        indicator->Show(1);
        auto* button = qobject_cast<QPushButton*>(indicator->Dialog()->GetDlgItem(ProgressIndicator::IDC_CANCEL));
        EXPECT_EQ(button->text(), "Can't cancel");
        EXPECT_FALSE(button->isEnabled());
        QTest::keyClick(indicator->Dialog(), Qt::Key_Escape);
        indicator->Dialog()->OnCommand(ProgressIndicator::IDC_CANCEL);
        EXPECT_EQ(indicator->TestAbort(), 0);
        EXPECT_TRUE(indicator->Dialog()->isVisible());
        indicator->qn_delete();
    }
}

TEST(CursorProgress, WaitCursorWhileShown)
{
    for (QnEvalControl* control : {static_cast<QnEvalControl*>(&theCursorEvalControl),
                                   static_cast<QnEvalControl*>(&theEvalControl)}) {
        QnProgressIndicator* indicator = control->CreateProgressIndicator(1);
        ASSERT_NE(dynamic_cast<CursorProgInd*>(indicator), nullptr);
        EXPECT_EQ(indicator->Show(0), 0);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(indicator->Show(1), 0);
        EXPECT_EQ(indicator->Show(1), 1);  // one cursor, not two
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        EXPECT_EQ(indicator->TestAbort(), 0);
        indicator->qn_delete();  // gives the cursor back
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    // Any kind from the cursor control is the cursor.
    QnProgressIndicator* indicator = theCursorEvalControl.CreateProgressIndicator(0);
    EXPECT_NE(dynamic_cast<CursorProgInd*>(indicator), nullptr);
    indicator->qn_delete();
}

TEST(ProgressStrip, ReadyThenPercentDoneMovingForwardOnly)
{
    CLodoProgress strip;
    strip.resize(300, 16);
    ASSERT_TRUE(strip.Create(nullptr));
    strip.show();
    EXPECT_EQ(strip.Shown(), "Ready");
    EXPECT_FALSE(strip.Bar()->isVisible());
    EXPECT_EQ(strip.Bar()->geometry(), QRect(100, 0, 200, 16));

    strip.SetText("Rendering");
    EXPECT_EQ(strip.Shown(), "0% done (Rendering)");
    strip.SetPos(40);
    EXPECT_EQ(strip.Shown(), "40% done (Rendering)");
    EXPECT_EQ(strip.Bar()->value(), 40);
    EXPECT_TRUE(strip.Bar()->isVisible());
    strip.SetPos(25);
    EXPECT_EQ(strip.Position(), 40);
    EXPECT_EQ(strip.Bar()->value(), 40);
    GrabWhenAsked(strip, "LodoProgress", false);

    strip.resize(600, 20);
    EXPECT_EQ(strip.Bar()->geometry(), QRect(200, 0, 400, 20));
    strip.Reset();
    EXPECT_EQ(strip.Shown(), "Ready");
    EXPECT_EQ(strip.Position(), 0);
    EXPECT_FALSE(strip.Bar()->isVisible());
}
