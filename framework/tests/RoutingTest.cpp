// The small MDI program: two documents in child frames, a command routed
// through every level in the system's order, update handlers at idle time,
// activation reported to both child frames.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "TestApp.h"
#include "framework/CommandIds.h"
#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/DocTemplate.h"
#include "framework/MessageBox.h"

namespace fwtest {
namespace {

class Routing : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousBox_ = fw::SetMessageBoxHook([](const fw::MessageBoxRequest&) { return fw::IDNO; });
        ASSERT_TRUE(app.InitInstance());
        Trace().clear();
    }
    void TearDown() override { fw::SetMessageBoxHook(previousBox_); }

    TextDoc* NewDocument(const std::string& text)
    {
        EXPECT_TRUE(app.main->SendCommand(fw::ID_FILE_NEW));
        auto* child = dynamic_cast<ChildFrame*>(app.main->MDIGetActive());
        auto* doc = child ? dynamic_cast<TextDoc*>(child->GetActiveDocument()) : nullptr;
        if (doc)
            doc->text = text;
        return doc;
    }

    TestApp app;
    fw::MessageBoxHook previousBox_;
};

TEST_F(Routing, TwoDocumentsInChildFrames)
{
    TextDoc* first = NewDocument("first picture");
    TextDoc* second = NewDocument("second picture");
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_EQ(app.main->GetChildren().size(), 2u);
    EXPECT_EQ(first->GetTitle(), "Text1");
    EXPECT_EQ(second->GetTitle(), "Text2");
    EXPECT_EQ(app.main->GetActiveDocument(), second);
    EXPECT_EQ(app.main->windowTitle().toStdString(), "Framework Test - Text2");

    app.main->GetMdiArea()->tileSubWindows();
    QApplication::processEvents();
    ASSERT_TRUE(app.main->grab().save("fw_mdi_two_documents.png"));
}

TEST_F(Routing, CommandPassesEveryLevelInOrder)
{
    NewDocument("one");
    NewDocument("two");
    EXPECT_FALSE(app.main->SendCommand(kTrace));  // everybody declines
    EXPECT_EQ(Trace(), (std::vector<std::string>{"bar", "interface manager", "view", "document", "template",
                                                  "child frame", "main frame", "application"}));

    // A bar button sends its command into the same routing.
    Trace().clear();
    app.main->bar->traceButton->click();
    EXPECT_EQ(Trace().size(), 8u);
    EXPECT_EQ(Trace().front(), "bar");
}

TEST_F(Routing, WithoutDocumentsTheRoutingSkipsThem)
{
    app.main->SendCommand(kTrace);
    EXPECT_EQ(Trace(), (std::vector<std::string>{"bar", "interface manager", "main frame", "application"}));
}

TEST_F(Routing, IdleUpdateDisablesMenuItemAndButton)
{
    app.ProcessIdle();
    // No document: nobody handles kDisabled, so both go grey for want of a handler.
    EXPECT_FALSE(app.main->disabledItem->isEnabled());
    EXPECT_FALSE(app.main->bar->disabledButton->isEnabled());

    NewDocument("text");
    app.main->bar->disabledButton->setEnabled(true);
    app.main->disabledItem->setEnabled(true);
    app.ProcessIdle();
    // Now the document handles the command, and its update handler disables it.
    EXPECT_FALSE(app.main->disabledItem->isEnabled());
    EXPECT_FALSE(app.main->bar->disabledButton->isEnabled());
    EXPECT_FALSE(app.main->unhandledItem->isEnabled());
    EXPECT_TRUE(app.main->saveItem->isEnabled());  // the document's own command
    EXPECT_TRUE(app.main->checkedItem->isEnabled());
    EXPECT_TRUE(app.main->checkedItem->isChecked());
    EXPECT_TRUE(app.main->bar->traceButton->isEnabled());
    // Status panes with ids take part in the update.
    const int pane = app.main->status->CommandToIndex(kChecked);
    EXPECT_FALSE(app.main->status->GetPaneStyle(pane) & fw::StatusBar::SBPS_DISABLED);
}

TEST_F(Routing, ADialogInTheBarKeepsItsControlsToItself)
{
    // A panel placed in the bar whose controls carry ids the bar also uses:
    // they are the panel's, so the bar's update leaves them alone and their
    // clicks send no command.
    auto* panel = new fw::Dialog(app.main->bar);
    auto* button = new QPushButton("Panel", panel);
    fw::SetControlId(button, kDisabled);
    auto* edit = new QLineEdit(panel);
    fw::SetControlId(edit, kDisabled);
    auto* tracing = new QPushButton("Panel trace", panel);
    fw::SetControlId(tracing, kTrace);
    app.main->bar->AddCommandButton(new QPushButton("More", app.main->bar), kTrace);
    app.ProcessIdle();
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_FALSE(app.main->bar->disabledButton->isEnabled());
    Trace().clear();
    tracing->click();
    EXPECT_TRUE(Trace().empty());
}

TEST_F(Routing, IdleUpdateRunsFromTheEventLoop)
{
    NewDocument("text");
    app.main->disabledItem->setEnabled(true);
    app.InstallEventHooks();
    // A real event loop that waits, so it goes idle at least once.
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(app.main->disabledItem->isEnabled());
}

TEST_F(Routing, AKeyFindsItsCommandAsItIsNowNotAsTheLastIdleUpdateLeftIt)
{
    TextDoc* doc = NewDocument("text");
    ASSERT_NE(doc, nullptr);
    app.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.main));
    app.InstallEventHooks();
    app.ProcessIdle();
    ASSERT_FALSE(app.main->availableItem->isEnabled());
    // The command became available after the last idle update, as Redo does
    // after an Undo: its key runs it.
    doc->available = true;
    QTest::keyClick(app.main->MDIGetActive(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(doc->availableRuns, 1);
    // And a command no longer available ignores its key.
    doc->available = false;
    QTest::keyClick(app.main->MDIGetActive(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(doc->availableRuns, 1);
}

TEST_F(Routing, ActivationAndDeactivationReachBothChildren)
{
    NewDocument("one");
    auto* first = dynamic_cast<ChildFrame*>(app.main->MDIGetActive());
    NewDocument("two");
    auto* second = dynamic_cast<ChildFrame*>(app.main->MDIGetActive());
    ASSERT_TRUE(first && second && first != second);
    EXPECT_EQ(first->activity, (std::vector<std::string>{"on", "off"}));
    EXPECT_EQ(second->activity, (std::vector<std::string>{"on"}));

    first->MDIActivate();
    EXPECT_EQ(app.main->MDIGetActive(), first);
    EXPECT_EQ(first->activity.back(), "on");
    EXPECT_EQ(second->activity.back(), "off");
    EXPECT_EQ(app.main->GetActiveDocument(), first->GetActiveDocument());
}

TEST_F(Routing, ClosingAChildClosesItsDocument)
{
    TextDoc* first = NewDocument("one");
    NewDocument("two");
    auto* child = dynamic_cast<ChildFrame*>(app.main->MDIGetActive());
    ASSERT_NE(child, nullptr);
    child->close();  // not modified: no question
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto& docs = app.GetDocManager().GetTemplates().front()->GetDocuments();
    ASSERT_EQ(docs.size(), 1u);
    EXPECT_EQ(docs.front(), first);
    EXPECT_EQ(app.main->GetChildren().size(), 1u);
}

TEST_F(Routing, ModifiedDocumentAsksBeforeClosing)
{
    TextDoc* doc = NewDocument("one");
    doc->SetModifiedFlag(true);
    std::string asked;
    fw::SetMessageBoxHook([&](const fw::MessageBoxRequest& r) {
        asked = r.text;
        return fw::IDCANCEL;
    });
    app.main->MDIGetActive()->close();
    EXPECT_EQ(asked, "Save changes to Text1?");
    EXPECT_EQ(app.main->GetChildren().size(), 1u);  // Cancel keeps it
}

}  // namespace
}  // namespace fwtest
