// Context help in a dialog by its rules: F1 on a control with a topic, F1
// elsewhere, a right click at once or through "What's This?", the topics
// and menus the controls get as the dialog opens, and the help file asked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/DialogHelp.h"
#include "framework/HelpProvider.h"
#include "framework/MessageBox.h"
#include "framework/tests/HelpRecorder.h"

namespace fwtest {
namespace {

using Rules = fw::DialogHelpRules;

constexpr uint32_t kDialogTopic = 300;
constexpr uint32_t kTopic = 500;       // the topic of edit 1030
constexpr uint32_t kWhatsThis = 1006;  // the menu's command

// Two edits, one with a topic (1030) and one without (1031), and OK.
class TwoEdits : public fw::Dialog {
public:
    explicit TwoEdits(Rules rules) : help(new fw::DialogHelp(*this, std::move(rules))) { helpId = kDialogTopic; }

    fw::DialogHelp* help;
    QLineEdit* withTopic = nullptr;
    QLineEdit* withoutTopic = nullptr;

protected:
    void CreateControls() override
    {
        auto* column = new QVBoxLayout(this);
        withTopic = new QLineEdit(this);
        fw::SetControlId(withTopic, 1030);
        fw::SetHelpId(withTopic, kTopic);
        withoutTopic = new QLineEdit(this);
        fw::SetControlId(withoutTopic, 1031);
        column->addWidget(withTopic);
        column->addWidget(withoutTopic);
        column->addWidget(AddButton(fw::IDOK, "OK"));
    }
    bool OnInitDialog() override
    {
        help->PrepareControls();
        return fw::Dialog::OnInitDialog();
    }
};

using Shown = HelpRecorder::Shown;

// What the user does in the dialog.
enum class Act { F1, RightClick, WhatsThisDismissed };

void Do(Act act, QWidget* control)
{
    if (act == Act::F1) {
        control->setFocus();
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(control, &f1);
        return;
    }
    HelpRecorder::RightClick(control);
}

Rules MenuRules()
{
    Rules rules;
    rules.keyCommand = fw::HELP_CONTEXTPOPUP;
    rules.whatsThisCommand = kWhatsThis;
    rules.whatsThisText = [] { return std::string("&What's This?"); };
    rules.controlMenus = false;
    return rules;
}

TEST(DialogHelp, EachRuleAnswersF1AndRightClicks)
{
    Rules direct;
    direct.controlMenus = false;
    Rules contents = direct;
    contents.elsewhere = Rules::Elsewhere::Contents;
    Rules nothing = direct;
    nothing.elsewhere = Rules::Elsewhere::Nothing;
    Rules alwaysDialog = direct;
    alwaysDialog.keyCommand = 0;
    Rules menu = MenuRules();
    Rules menuFallsBack = MenuRules();
    menuFallsBack.whatsThisFallsBack = true;

    const Shown dialogPage{kDialogTopic, fw::HELP_CONTEXT};
    const struct Case {
        const char* what;
        Rules rules;
        Act act;
        bool onTopic;  // on the edit with a topic, else on the one without
        std::vector<Shown> shown;
        int menus;
    } cases[] = {
        {"F1 on a topic", direct, Act::F1, true, {{kTopic, fw::HELP_WM_HELP}}, 0},
        {"F1 elsewhere: the dialog's topic", direct, Act::F1, false, {dialogPage}, 0},
        {"F1 elsewhere: the contents", contents, Act::F1, false, {{0, fw::HELP_INDEX}}, 0},
        {"F1 elsewhere: nothing", nothing, Act::F1, false, {}, 0},
        {"F1 always the dialog's", alwaysDialog, Act::F1, true, {dialogPage}, 0},
        {"F1 as a pop-up", menu, Act::F1, true, {{kTopic, fw::HELP_CONTEXTPOPUP}}, 0},
        {"right click on a topic", direct, Act::RightClick, true, {{kTopic, fw::HELP_CONTEXTMENU}}, 0},
        {"right click elsewhere", direct, Act::RightClick, false, {}, 0},
        {"What's This? on a topic", menu, Act::RightClick, true, {{kTopic, fw::HELP_CONTEXTPOPUP}}, 1},
        {"What's This? elsewhere", menu, Act::RightClick, false, {}, 1},
        {"What's This? elsewhere falls back", menuFallsBack, Act::RightClick, false, {dialogPage}, 1},
        {"What's This? dismissed", menuFallsBack, Act::WhatsThisDismissed, true, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HelpRecorder recorder;
        recorder.choose = c.act != Act::WhatsThisDismissed;
        TwoEdits dialog(c.rules);
        fw::SetDialogHook([&](fw::Dialog&) {
            dialog.show();
            Do(c.act, c.onTopic ? dialog.withTopic : dialog.withoutTopic);
            EXPECT_TRUE(dialog.IsOpen());
        });
        dialog.DoModal();
        fw::SetDialogHook({});
        EXPECT_EQ(recorder.shown, c.shown);
        EXPECT_EQ(recorder.menus, std::vector<HelpRecorder::MenuItem>(size_t(c.menus), {"&What's This?", kWhatsThis}));
    }
}

TEST(DialogHelp, ControlsGetTheirTopicsAndGiveUpTheirMenusAsTheDialogOpens)
{
    HelpRecorder recorder;
    Rules rules = MenuRules();
    rules.controlTopic = [](uint32_t id) { return id == 1031 ? 700u : 0u; };
    TwoEdits dialog(rules);
    fw::SetDialogHook([&](fw::Dialog& d) {
        d.show();
        Do(Act::RightClick, dialog.withoutTopic);
    });
    dialog.DoModal();
    EXPECT_EQ(fw::HelpId(dialog.withTopic), kTopic);  // its own stays
    EXPECT_EQ(fw::HelpId(dialog.withoutTopic), 700u);
    EXPECT_EQ(fw::HelpId(dialog.GetDlgItem(fw::IDOK)), 0u);
    EXPECT_EQ(dialog.withoutTopic->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_EQ(recorder.shown, (std::vector<Shown>{{700, fw::HELP_CONTEXTPOPUP}}));

    // Controls that keep their menus answer a right click themselves.
    rules.controlMenus = true;
    TwoEdits keeping(rules);
    fw::SetDialogHook([&](fw::Dialog&) {});
    keeping.DoModal();
    fw::SetDialogHook({});
    EXPECT_EQ(keeping.withoutTopic->contextMenuPolicy(), Qt::DefaultContextMenu);
}

TEST(DialogHelp, TopicsComeFromTheRulesHelpFileElseTheApplications)
{
    std::vector<std::string> files;
    fw::HelpProvider::Instance().SetBackend([&](const fw::HelpRequest& r) { files.push_back(r.helpFile); });
    Rules own;
    own.helpFile = "/opt/zv/Zvblt35.HLP";
    TwoEdits withFile(own);
    withFile.help->Show(kTopic, fw::HELP_CONTEXTPOPUP);
    {
        TwoEdits withoutApp(Rules{});
        withoutApp.help->ShowDialogHelp();
    }
    fw::App app("fwtest");
    app.SetHelpFile("/opt/fwtest/fwtest.HLP");
    TwoEdits withApp(Rules{});
    withApp.help->ShowDialogHelp();
    fw::HelpProvider::Instance().SetBackend({});
    EXPECT_EQ(files, (std::vector<std::string>{"/opt/zv/Zvblt35.HLP", "", "/opt/fwtest/fwtest.HLP"}));
}

}  // namespace
}  // namespace fwtest
