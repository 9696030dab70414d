// The copier, frame and fax wizards: the editor's commands they send, and
// the fax driven to its end: the picture written beside the module and
// handed, with the dialog's subject and notes, to a recording xdg-email
// first on PATH; what the user reads when the hand-over fails.
#include "tasks/module/tests/WizardFixture.h"

#include <QPlainTextEdit>

#include <filesystem>

#include "editor/loadable/LdModule.h"
#include "editor/mail/MailState.h"
#include "editor/mail/tests/RecordingXdgEmail.h"
#include "tasks/module/LdFaxDialog.h"
#include "tasks/module/LdPictureFile.h"
#include "tasks/module/LdSourceDialog.h"
#include "tasks/module/Tool_Copier.h"
#include "tasks/module/Tool_Fax.h"
#include "tasks/module/Tool_Frame.h"

namespace fs = std::filesystem;

namespace {

using Calls = std::vector<std::string>;

}  // namespace

using CopierAndFrame = WizardFixture;

TEST_F(CopierAndFrame, SendTheEditorsCommands)
{
    CTool_Copier copier;
    EXPECT_EQ(copier.NeedsDocument(), 0);
    EXPECT_EQ(copier.WantsPicture(), 0);
    EXPECT_EQ(copier.Execute(), 0);
    EXPECT_EQ(editor.calls, Calls{"command 33002"});

    // The frame wizard without a picture opens File > Open directly, with
    // no "Select source" dialog.
    int dialogs = 0;
    fw::SetDialogHook([&](fw::Dialog&) { ++dialogs; });
    const std::vector<uint8_t> dib = PatternDib(4, 4);
    const struct {
        void* dib;
        uint32_t size;
        const char* sent;
    } cases[] = {
        {const_cast<uint8_t*>(dib.data()), uint32_t(dib.size()), "command 32866"},
        {nullptr, 0, "command 57601"},
    };
    for (const auto& c : cases) {
        editor.calls.clear();
        CTool_Frame frame;
        frame.SetPicture(c.dib, c.size);
        EXPECT_EQ(frame.Execute(), 0);
        EXPECT_EQ(editor.calls, Calls{c.sent});
    }
    EXPECT_EQ(dialogs, 0);
}

class FaxWizard : public WizardFixture {
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        fs::create_directories(folder / "lib");
    }
    void TearDown() override
    {
        CLdMailState::Get().WaitForSends();
        WizardFixture::TearDown();
    }

    // Runs the wizard on the picture; the "Fax" dialog gets subject and
    // notes and ends with button.
    void Fax(const std::string& subject, const std::string& notes, uint32_t button = fw::IDOK)
    {
        faxDialogs = 0;
        fw::SetDialogHook([&](fw::Dialog& d) {
            ++faxDialogs;
            ASSERT_NE(dynamic_cast<CLdFaxDialog*>(&d), nullptr);
            const auto set = [&](uint32_t id, const std::string& text) {
                static_cast<QPlainTextEdit*>(d.GetDlgItem(id))->setPlainText(QString::fromStdString(text));
            };
            set(CLdFaxDialog::IDC_SUBJECT, subject);
            set(CLdFaxDialog::IDC_NOTES, notes);
            d.PressButton(button);
        });
        CTool_Fax fax;
        fax.SetModule(&module);
        EXPECT_EQ(fax.WantsPicture(), 1);
        fax.SetPicture(const_cast<uint8_t*>(dib.data()), uint32_t(dib.size()));
        EXPECT_EQ(fax.Execute(), 0);
        CLdMailState::Get().WaitForSends();
    }

    RecordingXdgEmail xdg{folder.Path()};
    // The module as the editor loaded it, its resources those of the real one.
    const std::string faxFile = folder / "lib/Wrenkit.BMP";
    const CLdModule module{folder / "lib/Wrenkit.so", platform::ResourceTable::FromFile(WRENKIT_PATH)};
    const std::vector<uint8_t> dib = PatternDib(16, 8, 5);
    int faxDialogs = 0;
};

TEST_F(FaxWizard, PictureBesideTheModuleGoesToTheComposerWithSubjectAndNotes)
{
    xdg.Install("exit 0");
    Fax("Holiday", "Two lines,\nsecond one");
    EXPECT_EQ(faxDialogs, 1);
    EXPECT_EQ(xdg.Args(), (Calls{"--attach", faxFile, "--subject", "Holiday", "--body", "Two lines,\nsecond one"}));
    const std::vector<uint8_t> expected = CLdPictureFile::Make(dib.data(), uint32_t(dib.size()));
    EXPECT_EQ(TestFolder::Read(xdg.seenFile), std::string(expected.begin(), expected.end()));
    EXPECT_TRUE(messages.empty());
    // The file stays for the composer.
    EXPECT_TRUE(fs::exists(faxFile));

    // Cancel in the "Fax" dialog still sends, without subject and notes.
    Fax("ignored", "ignored", fw::IDCANCEL);
    EXPECT_EQ(xdg.Args(), (Calls{"--attach", faxFile}));
}

TEST_F(FaxWizard, FailuresAreToldInTheModulesWords)
{
    const struct {
        const char* what;
        const char* ending;  // null: no xdg-email at all
        const char* shebang;
        const char* message;
    } cases[] = {
        {"none on PATH", nullptr, "", "MAPI isn't installed"},
        {"no composer", "exit 3", "#!/bin/sh", "MAPI isn't installed"},
        {"cannot start", "exit 0", "#!/nonexistent/shell", "Logon error"},
        {"failed", "exit 1", "#!/bin/sh", "Address error"},
        {"killed", "kill -9 $$", "#!/bin/sh", "Address error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        xdg.Remove();
        fs::remove(faxFile);
        messages.clear();
        xdg.OnPath(c.ending != nullptr);
        if (c.ending)
            xdg.Install(c.ending, c.shebang);
        Fax("s", "n");
        EXPECT_EQ(messages, Calls{c.message});
        // Without xdg-email nothing is written and no dialog is shown; a
        // failed hand-over leaves the file in place.
        EXPECT_EQ(faxDialogs, c.ending ? 1 : 0);
        EXPECT_EQ(fs::exists(faxFile), c.ending != nullptr);
    }
}

TEST_F(FaxWizard, FileBesideTheModuleOrInTheSuitesFolder)
{
    const struct {
        std::string module;
        std::string expected;
    } cases[] = {
        {folder / "lib/Wrenkit.so", folder / "lib/Wrenkit.BMP"},
        // A folder that takes no files: the suite's folder.
        {folder / "missing/Wrenkit.so", folder / "suite/Wrenkit.BMP"},
        {"", folder / "suite/Wrenkit.BMP"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CTool_Fax::FaxFilePath(c.module, folder / "suite"), c.expected) << c.module;
}

TEST_F(FaxWizard, WithoutAPictureTheSourceDialogSendsTheEditorsCommand)
{
    xdg.Install("exit 0");
    const struct {
        uint32_t button;
        Calls sent;
    } cases[] = {
        {CLdSourceDialog::IDC_FROM_FILE, {"command 57601"}},
        {CLdSourceDialog::IDC_FROM_ALBUM, {"command 32773"}},
        {CLdSourceDialog::IDC_CANCEL, {}},
    };
    for (const auto& c : cases) {
        editor.calls.clear();
        int result = 0;
        fw::SetDialogHook([&](fw::Dialog& d) {
            ASSERT_NE(dynamic_cast<CLdSourceDialog*>(&d), nullptr);
            d.PressButton(c.button);
            result = d.GetResult();
        });
        CTool_Fax fax;
        fax.SetModule(&module);
        EXPECT_EQ(fax.Execute(), 0);
        // Each button ends the dialog with its own id.
        EXPECT_EQ(result, int(c.button));
        EXPECT_EQ(editor.calls, c.sent);
    }
    EXPECT_FALSE(fs::exists(xdg.argsFile));
}
