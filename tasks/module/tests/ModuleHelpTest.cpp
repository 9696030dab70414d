// Context help in the module's dialogs: the Help button opens the dialog's
// topic; F1 on a control and "What's This?" (the module's item, command
// 256) on a control open the control's topic as a pop-up, never the
// dialog's.
#include "tasks/module/tests/WizardFixture.h"

#include <QTest>

#include <functional>
#include <memory>

#include "base/QnRcStr.h"
#include "framework/tests/HelpRecorder.h"
#include "framework/App.h"
#include "framework/CommandIds.h"
#include "platform/ResourceStringSource.h"
#include "tasks/module/LdChooseDialog.h"
#include "tasks/module/LdFaxDialog.h"
#include "tasks/module/LdFontDialog.h"
#include "tasks/module/LdModuleHelp.h"
#include "tasks/module/LdSourceDialog.h"
#include "tasks/module/LdWallpaperDialog.h"
#include "tasks/module/LdWallpaperSetter.h"

namespace {

// The topic the help compiler gives a control of a dialog template.
constexpr uint32_t Topic(uint32_t templateId, uint32_t controlId)
{
    return 0x80000000u + (templateId << 16) + controlId;
}

class ModuleHelp : public WizardFixture {
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        // The module's own strings, read from its file as the module hands
        // them to its libraries when it is loaded.
        LdModuleStrings().SetResourceModule(platform::ResourceStringSource::FromFile(WRENKIT_PATH));
    }
    void TearDown() override
    {
        LdModuleStrings().SetResourceModule(nullptr);
        WizardFixture::TearDown();
    }
    HelpRecorder help;
};

}  // namespace

TEST_F(ModuleHelp, HelpButtonOpensEachDialogsTopic)
{
    const std::vector<uint8_t> dib = PatternDib(8, 8);
    CLdWallpaperSetter setter(dib.data(), uint32_t(dib.size()), SystemFolder(), Registry(), desktop);
    const struct {
        const char* name;
        std::function<std::unique_ptr<CLdHelpDlg>()> make;
        uint32_t topic;
    } cases[] = {
        {"font", [] { return std::make_unique<CLdFontDialog>(); }, 102},
        {"wallpaper", [&] { return std::make_unique<CLdWallpaperDialog>(dib.data(), uint32_t(dib.size()), setter); },
         103},
        {"choose", [] { return std::make_unique<CLdChooseDialog>(); }, 0x20000 + 205},
        {"fax", [] { return std::make_unique<CLdFaxDialog>(); }, 0x20000 + 201},
        {"source", [] { return std::make_unique<CLdSourceDialog>(); }, 0x20000 + 220},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        help.shown.clear();
        std::unique_ptr<CLdHelpDlg> dialog = c.make();
        EXPECT_EQ(dialog->GetWhatsThisCommand(), 256u);
        fw::SetDialogHook([](fw::Dialog& d) {
            // A dialog without a Help button answers its command alike.
            if (!d.PressButton(fw::ID_HELP))
                d.OnCommand(fw::ID_HELP);
        });
        dialog->DoModal();
        EXPECT_EQ(help.shown, (std::vector<HelpRecorder::Shown>{{c.topic, fw::HELP_CONTEXT}}));
    }
}

TEST_F(ModuleHelp, WhatsThisAndF1ShowTheControlsTopic)
{
    CLdFaxDialog dialog;
    fw::SetDialogHook([&](fw::Dialog& d) {
        d.show();
        auto* subject = d.GetDlgItem(CLdFaxDialog::IDC_SUBJECT);
        auto* notes = d.GetDlgItem(CLdFaxDialog::IDC_NOTES);
        HelpRecorder::RightClick(subject);
        help.choose = false;
        HelpRecorder::RightClick(notes);  // menu dismissed: nothing
        help.choose = true;
        notes->setFocus();
        QTest::keyClick(notes, Qt::Key_F1);
        EXPECT_TRUE(d.IsOpen());
    });
    dialog.DoModal();
    EXPECT_EQ(help.menus, (std::vector<HelpRecorder::MenuItem>(2, {"&What's This?", 256})));
    EXPECT_EQ(help.shown, (std::vector<HelpRecorder::Shown>{{Topic(201, 1032), fw::HELP_CONTEXTPOPUP},
                                         {Topic(201, 1033), fw::HELP_CONTEXTPOPUP}}));
}

TEST_F(ModuleHelp, TopicsGoThroughTheEditorsHelpFile)
{
    fw::App app("Telvy12");
    app.SetHelpFile("/opt/telvy/Telvy12.hlp");
    std::vector<std::string> pages;
    fw::HelpProvider::Instance().SetBackend([&](const fw::HelpRequest& r) { pages.push_back(r.page); });
    CLdSourceDialog dialog;
    fw::SetDialogHook([&](fw::Dialog& d) {
        d.show();
        HelpRecorder::RightClick(d.GetDlgItem(CLdSourceDialog::IDC_FROM_ALBUM));
    });
    dialog.DoModal();
    EXPECT_EQ(pages, std::vector<std::string>{"/opt/telvy/help/Telvy12/" + std::to_string(Topic(220, 1056)) + ".html"});
}
