// The plug-in dialogs and messages in the language of the locale, as the
// system's own lookup picks it: German for any German locale, English
// (the ordinary texts) for a language the library does not carry. The
// library takes its language when it is loaded, so each case runs in a
// process started with its locale (see CMakeLists.txt).
#include "pluginhost/FxgateStrings.h"
#include "pluginhost/PlugInFolderList.h"
#include "pluginhost/qt/PlugInFoldersDialog.h"
#include "pluginhost/qt/PlugInQtUi.h"
#include "pluginhost/qt/PlugInRegistrationDialog.h"

#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace {

struct LanguageCase {
    const char* locale;
    std::map<uint32_t, std::string> folders;      // dialog 101: caption (0) and buttons
    std::map<uint32_t, std::string> registration; // dialog 104: its labels
    std::string warningCaption;
    std::string warning;
    std::string other;
};

const std::map<uint32_t, std::string> kGermanFolders = {
    {0, "Plug-In-Verzeichnisse"}, {1, "OK"}, {2, "Abbrechen"}, {1003, "Hinzuf\xC3\xBCgen..."}, {1004, "Entfernen"}};
const std::map<uint32_t, std::string> kEnglishFolders = {
    {0, "Plug-in folders"}, {1, "OK"}, {2, "Cancel"}, {1003, "Add..."}, {1004, "Remove"}};
const std::map<uint32_t, std::string> kGermanRegistration = {
    {1007, "Registrierung der Plug-Ins ..."}, {1011, "Plug-In-Name:"}, {1012, "Plug-In-Modul:"}};
const std::map<uint32_t, std::string> kEnglishRegistration = {
    {1007, "Plug-ins' registration ..."}, {1011, "Plug-in name:"}, {1012, "Plug-in module:"}};

const LanguageCase kGerman{"de_DE.UTF-8", kGermanFolders, kGermanRegistration, "Plug-In-Warnung",
                           "Das Verzeichnis /A ist bereits in der Verzeichnisliste enthalten!", "Andere"};
const LanguageCase kEnglish{"C.UTF-8", kEnglishFolders, kEnglishRegistration, "Plug-in Warning",
                            "Directory /A is already added into listing of directories!", "Other"};

LanguageCase In(LanguageCase c, const char* locale)
{
    c.locale = locale;
    return c;
}

class DialogLanguage : public ::testing::TestWithParam<LanguageCase> {
protected:
    void SetUp() override
    {
        const char* locale = std::getenv("LC_ALL");
        if (!locale || std::string(locale) != GetParam().locale)
            GTEST_SKIP() << "runs in a process started with LC_ALL=" << GetParam().locale;
    }
    void TearDown() override
    {
        fw::SetDialogHook({});
        fw::SetMessageBoxHook({});
    }
};

TEST_P(DialogLanguage, DialogsAndMessagesFollowTheLocale)
{
    const LanguageCase& want = GetParam();
    PlugInFolderList folders;
    folders.Add("/a");
    std::vector<fw::MessageBoxRequest> warnings;
    fw::SetMessageBoxHook([&](const fw::MessageBoxRequest& r) {
        warnings.push_back(r);
        return fw::IDOK;
    });
    fw::SetDialogHook([&](fw::Dialog& d) {
        for (const auto& [id, text] : want.folders) {
            const std::string shown = id == 0 ? d.windowTitle().toStdString() : fw::GetControlText(d.GetDlgItem(id));
            EXPECT_EQ(shown, text) << id;
        }
        EXPECT_FALSE(static_cast<PlugInFoldersDialog&>(d).AddFolder("/A"));
        d.PressButton(fw::IDCANCEL);
    });
    PlugInQtUi ui;
    EXPECT_FALSE(ui.EditFolders(nullptr, folders));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].caption, want.warningCaption);
    EXPECT_EQ(warnings[0].text, want.warning);
    EXPECT_EQ(FxgateRc()(IDS_PI_CATEGORY_OTHER), want.other);

    PlugInRegistrationDialog registration;
    registration.Create(nullptr);
    for (const auto& [id, text] : want.registration)
        EXPECT_EQ(fw::GetControlText(registration.GetDlgItem(id)), text) << id;
}

INSTANTIATE_TEST_SUITE_P(Locales, DialogLanguage,
                         ::testing::Values(kGerman, In(kGerman, "de_CH.UTF-8"), In(kGerman, "de_AT"), kEnglish,
                                           In(kEnglish, "en_GB.UTF-8"), In(kEnglish, "fr_FR.UTF-8")),
                         [](const ::testing::TestParamInfo<LanguageCase>& info) {
                             const std::string locale = info.param.locale;
                             return locale.substr(0, locale.find('.'));
                         });

} // namespace
