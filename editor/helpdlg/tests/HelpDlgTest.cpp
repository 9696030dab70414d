// Context help in the editor's dialogs: "What's This?" on a control opens
// the control's topic as a pop-up, the Help button and F1 away from a
// control open the dialog's own topic.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "editor/helpdlg/LdHelpDlg.h"
#include "framework/tests/HelpRecorder.h"
#include "framework/App.h"
#include "framework/CommandIds.h"

namespace {

class TwoFields : public CLdHelpDlg {
public:
    TwoFields() : CLdHelpDlg(133, nullptr) {}
    QLineEdit* withTopic = nullptr;
    QLineEdit* withoutTopic = nullptr;

protected:
    void CreateControls() override
    {
        auto* column = new QVBoxLayout(this);
        withTopic = AddControl<QLineEdit>(1030);
        fw::SetHelpId(withTopic, 0x80850406);
        withoutTopic = AddControl<QLineEdit>(1032);
        column->addWidget(withTopic);
        column->addWidget(withoutTopic);
        AddStandardButtons(column);
    }
};

class ContextHelp : public ::testing::Test {
protected:
    void TearDown() override { fw::SetDialogHook({}); }

    HelpRecorder help;
};

}  // namespace

TEST_F(ContextHelp, WhatsThisShowsTheControlsTopicAsAPopup)
{
    TwoFields dialog;
    fw::SetDialogHook([&](fw::Dialog&) {
        dialog.show();
        HelpRecorder::RightClick(dialog.withTopic);
        help.choose = false;
        HelpRecorder::RightClick(dialog.withTopic);  // menu dismissed: nothing
        help.choose = true;
        HelpRecorder::RightClick(dialog.withoutTopic);
    });
    dialog.DoModal();
    EXPECT_EQ(help.menus, (std::vector<HelpRecorder::MenuItem>(3, {"&What's This?", CLdHelpDlg::ID_WHATS_THIS})));
    // A control without a topic of its own gets the dialog's.
    EXPECT_EQ(help.shown, (std::vector<HelpRecorder::Shown>{{0x80850406, fw::HELP_CONTEXTPOPUP},
                                                           {0x20000 + 133, fw::HELP_CONTEXT}}));
}

TEST_F(ContextHelp, HelpButtonAndF1)
{
    TwoFields dialog;
    fw::SetDialogHook([&](fw::Dialog& d) {
        d.show();
        EXPECT_TRUE(d.PressButton(fw::ID_HELP));
        dialog.withTopic->setFocus();
        QTest::keyClick(dialog.withTopic, Qt::Key_F1);
        EXPECT_TRUE(d.IsOpen());
    });
    dialog.DoModal();
    EXPECT_EQ(help.shown, (std::vector<HelpRecorder::Shown>{{0x20000 + 133, fw::HELP_CONTEXT},
                                                           {0x80850406, fw::HELP_CONTEXTPOPUP}}));
}

TEST_F(ContextHelp, RequestsGoThroughTheApplicationsHelpFile)
{
    fw::App app("Telvy12");
    app.SetHelpFile("/opt/telvy/Telvy12.hlp");
    std::vector<std::string> files;
    fw::HelpProvider::Instance().SetBackend([&](const fw::HelpRequest& r) { files.push_back(r.page); });
    TwoFields dialog;
    fw::SetDialogHook([](fw::Dialog& d) { d.PressButton(fw::ID_HELP); });
    dialog.DoModal();
    EXPECT_EQ(files, std::vector<std::string>{"/opt/telvy/help/Telvy12/131205.html"});
}
