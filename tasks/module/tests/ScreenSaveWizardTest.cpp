// The screen-saver wizard: the picture file and the saver's registry values
// for each choice, read back by the savers' own code, the saver started
// without a switch; the choice dialog and the source dialog driven as the
// user would.
#include "tasks/module/tests/WizardFixture.h"

#include <QListWidget>

#include <filesystem>

#include "base/QnLittleEndian.h"
#include "platform/ProgramLocation.h"
#include "savers/SaverModel.h"
#include "savers/SaverSettings.h"
#include "tasks/module/LdChooseDialog.h"
#include "tasks/module/LdSaverSetup.h"
#include "tasks/module/LdSourceDialog.h"
#include "tasks/module/Tool_ScreenSave.h"

namespace {

// The savers' view of a desktop they never need here.
class NoScreen : public SaverScreen {
public:
    SaverDib Capture() override
    {
        ++captures;
        return SaverDib(8, 8);
    }
    int captures = 0;
};

// Answers the "Choose" dialog: selects row (none when -1), then presses
// button, or double-clicks the row when button is 0.
fw::DialogHook Choose(int row, uint32_t button, std::vector<std::string>* listed = nullptr)
{
    return [=](fw::Dialog& dialog) {
        auto* choose = dynamic_cast<CLdChooseDialog*>(&dialog);
        ASSERT_NE(choose, nullptr);
        GrabWhenAsked(dialog, "choose");
        QListWidget* list = choose->listBox;
        if (listed)
            for (int i = 0; i < list->count(); ++i)
                listed->push_back(list->item(i)->text().toStdString());
        if (row < 0)
            list->clearSelection();
        else
            list->setCurrentRow(row);
        if (button)
            dialog.PressButton(button);
        else
            emit list->itemDoubleClicked(list->item(row));
    };
}

}  // namespace

using ScreenSaveWizard = WizardFixture;

TEST_F(ScreenSaveWizard, EachChoiceWritesThePictureAndItsSaversValuesAndStartsIt)
{
    const struct {
        int row;
        uint32_t button;
        const char* program;
        const SaverProgram& saver;
    } cases[] = {
        {-1, fw::IDOK, "WHIRL", SaverProgram::Whirl()},  // OK alone takes the first entry
        {0, fw::IDOK, "WHIRL", SaverProgram::Whirl()},
        {1, fw::IDOK, "ZOOM", SaverProgram::Zoom()},
        {1, 0, "ZOOM", SaverProgram::Zoom()},  // a double click
    };
    const std::vector<uint8_t> dib = PatternDib(80, 60, 9);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.program) + " from row " + std::to_string(c.row));
        ClearSystemFolder();
        launcher.calls.clear();

        std::vector<std::string> listed;
        fw::SetDialogHook([&](fw::Dialog& dialog) {
            // The first entry stands selected when the dialog opens.
            auto* choose = dynamic_cast<CLdChooseDialog*>(&dialog);
            ASSERT_NE(choose, nullptr);
            EXPECT_EQ(choose->listBox->currentRow(), 0);
            if (c.row >= 0)
                Choose(c.row, c.button, &listed)(dialog);
            else
                dialog.PressButton(c.button);
        });
        CTool_ScreenSave tool;
        EXPECT_EQ(tool.WantsPicture(), 1);
        EXPECT_EQ(tool.NeedsDocument(), 1);
        tool.SetPicture(const_cast<uint8_t*>(dib.data()), uint32_t(dib.size()));
        EXPECT_EQ(tool.Execute(), 0);
        EXPECT_TRUE(messages.empty()) << messages.front();
        if (c.row >= 0) {
            EXPECT_EQ(listed, (std::vector<std::string>{"Whirl", "Zoom"}));
        }

        // The picture file: header, then the editor's bytes.
        const std::string path = SystemFolder() + "lodo40ss.bmp";
        const std::string file = TestFolder::Read(path);
        ASSERT_EQ(file.size(), dib.size() + 14);
        EXPECT_EQ(file.substr(0, 2), "BM");
        EXPECT_EQ(QnGetLE32(reinterpret_cast<const uint8_t*>(file.data()) + 10), 54u);
        EXPECT_EQ(file.substr(14), std::string(dib.begin(), dib.end()));

        // The values, under the saver's key in capitals.
        const std::string key = std::string("Software\\Quendle Screen Savers\\") + c.program + "\\FILE";
        EXPECT_EQ(Registry().GetString(key, "Name"), path);
        EXPECT_EQ(Registry().GetString(key, "Path"), path);
        const std::string other = std::string("Software\\Quendle Screen Savers\\") +
                                  (c.saver.name == "WHIRL" ? "ZOOM" : "WHIRL") + "\\FILE";
        EXPECT_FALSE(Registry().KeyExists(other));

        // Read back as the saver reads them: its settings and its picture.
        NoScreen screen;
        SaverModel model(c.saver, SaverSettings(platform::RegistryStore::User(), c.saver.name), screen);
        EXPECT_EQ(model.PicturePath(), path);
        EXPECT_TRUE(model.PictureFromFile());
        EXPECT_EQ(screen.captures, 0);
        const SaverDib& picture = model.Effect().Picture();
        ASSERT_EQ(picture.Width(), 80);
        ASSERT_EQ(picture.Height(), 60);
        for (auto [x, y] : {std::pair{0, 0}, {79, 0}, {0, 59}, {33, 21}}) {
            const uint8_t* p = picture.Pixel(x, y);
            EXPECT_EQ(p[0], uint8_t(x));
            EXPECT_EQ(p[1], uint8_t(y));
            EXPECT_EQ(p[2], uint8_t(x * 7 + y * 13 + 9));
        }

        // Started from beside the editor, with no switch: its settings dialog.
        ASSERT_EQ(launcher.calls.size(), 1u);
        std::string lower = c.program;
        for (char& ch : lower)
            ch = char(std::tolower(ch));
        EXPECT_EQ(launcher.calls[0].program, platform::ProgramLocation::ProgramFolder() + lower);
        EXPECT_TRUE(launcher.calls[0].args.empty());
    }
}

TEST_F(ScreenSaveWizard, CancelOrNoChoiceLeavesOnlyThePictureFile)
{
    const std::vector<uint8_t> dib = PatternDib(16, 16);
    for (const auto& hook : {Choose(1, fw::IDCANCEL), Choose(-1, fw::IDOK)}) {
        fw::SetDialogHook(hook);
        CTool_ScreenSave tool;
        tool.SetPicture(const_cast<uint8_t*>(dib.data()), uint32_t(dib.size()));
        EXPECT_EQ(tool.Execute(), 0);
        EXPECT_EQ(TestFolder::Read(SystemFolder() + "lodo40ss.bmp").size(), dib.size() + 14);
        EXPECT_FALSE(Registry().KeyExists("Software\\Quendle Screen Savers"));
        EXPECT_TRUE(launcher.calls.empty());
        EXPECT_TRUE(messages.empty());
    }
}

TEST_F(ScreenSaveWizard, FailuresAreReportedAndStopWhatDependsOnThem)
{
    const std::vector<uint8_t> dib = PatternDib(16, 16);
    int dialogs = 0;
    fw::SetDialogHook([&](fw::Dialog& dialog) {
        ++dialogs;
        Choose(0, fw::IDOK)(dialog);
    });
    auto run = [&] {
        messages.clear();
        launcher.calls.clear();
        dialogs = 0;
        CTool_ScreenSave tool;
        tool.SetPicture(const_cast<uint8_t*>(dib.data()), uint32_t(dib.size()));
        EXPECT_EQ(tool.Execute(), 0);
    };

    // A saver that does not start: the system's reason.
    launcher.failure = "No such file or directory";
    run();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Can't start the screen saver " + platform::ProgramLocation::ProgramFolder() +
                               "whirl: No such file or directory");
    launcher.failure.clear();

    // A store that cannot be written: no saver started without its picture.
    std::filesystem::remove(SystemFolder() + "registry");
    std::filesystem::create_directories(SystemFolder() + "registry");
    run();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(launcher.calls.empty());
    std::filesystem::remove(SystemFolder() + "registry");

    // A picture that cannot be written: the old one stays, nothing is asked.
    const std::string path = SystemFolder() + "lodo40ss.bmp";
    std::filesystem::remove(path);
    std::filesystem::create_directories(path + "/in the way");
    run();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(path), std::string::npos) << messages[0];
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(launcher.calls.empty());
    EXPECT_TRUE(std::filesystem::is_directory(path + "/in the way"));
}

TEST_F(ScreenSaveWizard, OnlyTheSaversOfferedAreInstalled)
{
    CLdSaverSetup setup(SystemFolder(), Registry(), launcher, "/opt/quendle/");
    EXPECT_EQ(setup.SaverProgram("Zoom"), "/opt/quendle/zoom");
    EXPECT_EQ(CLdSaverSetup::SaverName("Whirl"), "WHIRL");
    for (const char* unknown : {"", "../../bin/sh", "whirl"})
        EXPECT_ANY_THROW(setup.Install(unknown)) << unknown;
    EXPECT_TRUE(launcher.calls.empty());
    EXPECT_FALSE(Registry().KeyExists("Software\\Quendle Screen Savers"));
}

TEST_F(ScreenSaveWizard, ChoiceDialogListsEachTextOnce)
{
    std::vector<std::string> listed;
    fw::SetDialogHook(Choose(1, fw::IDOK, &listed));
    CLdChooseDialog dialog;
    for (const char* item : {"Whirl", "Zoom", "Zoom", "zoom"})
        dialog.AddItem(item);
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(listed, (std::vector<std::string>{"Whirl", "Zoom", "zoom"}));
    EXPECT_EQ(dialog.choice, "Zoom");
    EXPECT_TRUE(dialog.items.empty());
}

// The wizard tools without a picture offer File > Open and Open From Album.
TEST_F(ScreenSaveWizard, WithoutAPictureTheSourceDialogSendsTheEditorsCommand)
{
    const struct {
        uint32_t button;
        std::vector<std::string> calls;
    } cases[] = {
        {CLdSourceDialog::IDC_FROM_FILE, {"command 57601"}},
        {CLdSourceDialog::IDC_FROM_ALBUM, {"command 32773"}},
        {CLdSourceDialog::IDC_CANCEL, {}},
        {fw::IDCANCEL, {}},  // closed otherwise
    };
    for (const auto& c : cases) {
        editor.calls.clear();
        int result = 0;
        fw::SetDialogHook([&](fw::Dialog& dialog) {
            ASSERT_NE(dynamic_cast<CLdSourceDialog*>(&dialog), nullptr);
            EXPECT_EQ(dialog.windowTitle(), "Select source");
            GrabWhenAsked(dialog, "select-source");
            if (c.button == fw::IDCANCEL)
                static_cast<QDialog&>(dialog).reject();
            else
                EXPECT_TRUE(dialog.PressButton(c.button));
            result = dialog.GetResult();
        });
        CTool_ScreenSave tool;
        tool.SetPicture(nullptr, 0);
        EXPECT_EQ(tool.Execute(), 0);
        EXPECT_EQ(editor.calls, c.calls) << c.button;
        EXPECT_EQ(result, int(c.button)) << c.button;
    }
    EXPECT_FALSE(std::filesystem::exists(SystemFolder() + "lodo40ss.bmp"));
    EXPECT_TRUE(launcher.calls.empty());
}
