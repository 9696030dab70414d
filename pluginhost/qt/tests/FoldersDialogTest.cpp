// The plug-in folders dialog driven through the framework's hooks: its
// layout, Add... with the folder browser, the warning for a folder listed
// already, Remove, OK and Cancel.
#include "pluginhost/Fxgate.h"
#include "pluginhost/PlugInFolderList.h"
#include "pluginhost/qt/PlugInFoldersDialog.h"
#include "pluginhost/qt/PlugInQtMenu.h"
#include "pluginhost/qt/PlugInQtUi.h"
#include "pluginhost/tests/PlugInFolders.h"

#include "framework/DataExchange.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

#include <deque>

namespace {

PlugInFolderList List(std::initializer_list<const char*> folders)
{
    PlugInFolderList list;
    for (const char* folder : folders)
        list.Add(folder);
    return list;
}

std::vector<std::string> Rows(fw::Dialog& d)
{
    std::vector<std::string> rows;
    auto* list = qobject_cast<QListWidget*>(d.GetDlgItem(PlugInFoldersDialog::IDC_FOLDERS));
    for (int row = 0; list && row < list->count(); ++row)
        rows.push_back(list->item(row)->text().toStdString());
    return rows;
}

void Select(fw::Dialog& d, const std::string& folder)
{
    auto* list = qobject_cast<QListWidget*>(d.GetDlgItem(PlugInFoldersDialog::IDC_FOLDERS));
    const auto found = list->findItems(QString::fromStdString(folder), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    found.front()->setSelected(true);
}

bool RemoveEnabled(fw::Dialog& d) { return d.GetDlgItem(PlugInFoldersDialog::IDC_REMOVE)->isEnabled(); }

class FoldersDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::SetFileDialogHook([this](const fw::FileDialogRequest& r) -> std::optional<std::string> {
            browsed.push_back(r);
            if (chosen.empty())
                return std::nullopt;
            std::string folder = chosen.front();
            chosen.pop_front();
            return folder;
        });
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
            warnings.push_back(r);
            return fw::IDOK;
        });
    }
    void TearDown() override
    {
        fw::SetDialogHook({});
        fw::SetFileDialogHook({});
        fw::SetMessageBoxHook({});
    }

    PlugInQtUi ui;
    std::deque<std::string> chosen; // the folder browser's answers
    std::vector<fw::FileDialogRequest> browsed;
    std::vector<fw::MessageBoxRequest> warnings;
};

TEST_F(FoldersDialog, EditsTheListAndHandsItBackOnOK)
{
    PlugInFolderList folders = List({"/plug/b", "/Plug/Zed", "/plug/a"});
    chosen = {"/more/filters", "/PLUG/B", "/plug/c"};
    fw::SetDialogHook([&](fw::Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Plug-in folders");
        for (auto [id, text] : {std::pair{1u, "OK"}, {2u, "Cancel"}, {1003u, "Add..."}, {1004u, "Remove"}})
            EXPECT_EQ(fw::GetControlText(d.GetDlgItem(id)), text) << id;
        // Sorted without regard to case.
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"/plug/a", "/plug/b", "/Plug/Zed"}));
        EXPECT_FALSE(RemoveEnabled(d));
        EXPECT_FALSE(d.PressButton(PlugInFoldersDialog::IDC_REMOVE));

        EXPECT_TRUE(d.PressButton(PlugInFoldersDialog::IDC_ADD));
        EXPECT_TRUE(d.PressButton(PlugInFoldersDialog::IDC_ADD)); // "/PLUG/B": listed already
        EXPECT_TRUE(d.PressButton(PlugInFoldersDialog::IDC_ADD));
        EXPECT_TRUE(d.PressButton(PlugInFoldersDialog::IDC_ADD)); // the browser cancelled
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"/more/filters", "/plug/a", "/plug/b", "/plug/c", "/Plug/Zed"}));

        Select(d, "/plug/a");
        EXPECT_TRUE(RemoveEnabled(d));
        EXPECT_TRUE(d.PressButton(PlugInFoldersDialog::IDC_REMOVE));
        EXPECT_FALSE(RemoveEnabled(d));
        d.PressButton(fw::IDOK);
    });
    EXPECT_TRUE(ui.EditFolders(nullptr, folders));

    EXPECT_EQ(folders, List({"/more/filters", "/plug/b", "/plug/c", "/Plug/Zed"}));
    ASSERT_EQ(browsed.size(), 4u);
    EXPECT_TRUE(browsed[0].folder);
    EXPECT_EQ(browsed[0].title, "Select Plug-in Directory");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].caption, "Plug-in Warning");
    EXPECT_EQ(warnings[0].text, "Directory /PLUG/B is already added into listing of directories!");
}

TEST_F(FoldersDialog, CancelLeavesTheListUnchanged)
{
    const PlugInFolderList before = List({"/plug/a", "/plug/b"});
    PlugInFolderList folders = before;
    chosen = {"/plug/c"};
    fw::SetDialogHook([&](fw::Dialog& d) {
        d.PressButton(PlugInFoldersDialog::IDC_ADD);
        Select(d, "/plug/a");
        d.PressButton(PlugInFoldersDialog::IDC_REMOVE);
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"/plug/b", "/plug/c"}));
        d.PressButton(fw::IDCANCEL);
    });
    EXPECT_FALSE(ui.EditFolders(nullptr, folders));
    EXPECT_EQ(folders, before);
}

TEST_F(FoldersDialog, AFolderTooLongForTheCatalogueIsRefusedWhole)
{
    PlugInFolderList folders;
    const std::string longest = "/" + std::string(PlugInFolderList::kMaxLength - 1, 'x');
    chosen = {longest + "y", longest};
    fw::SetDialogHook([&](fw::Dialog& d) {
        d.PressButton(PlugInFoldersDialog::IDC_ADD);
        d.PressButton(PlugInFoldersDialog::IDC_ADD);
        d.PressButton(fw::IDOK);
    });
    EXPECT_TRUE(ui.EditFolders(nullptr, folders));
    EXPECT_EQ(folders, List({longest.c_str()}));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].text, "Directory " + longest + "y is too long to be added into listing of directories!");
}

// The whole way: the library's folders dialog on Qt, a folder swapped for
// another, the rescan and the menus rebuilt from it.
TEST_F(FoldersDialog, OKRescansAndRebuildsThePlugInMenus)
{
    PlugInFolders plugIns;
    plugIns.AddModule("first", "invert");
    plugIns.AddModule("second", "twoentries");
    const std::string first = plugIns.Folder("first");
    const std::string file = plugIns.CatalogueFile();
    const PIInitPaths paths{file.c_str(), first.c_str()};
    ASSERT_EQ(PIInitPluginSupport(&paths), 1);
    PISetPluginUi(&ui);
    QMenu effects;
    effects.addAction("Options...");
    PlugInQtMenu menu(&effects, nullptr);
    ASSERT_EQ(PIAttachPluginMenu(&menu, 10000), 1);
    ASSERT_EQ(effects.actions().size(), 3);
    EXPECT_EQ(effects.actions()[2]->text(), "Test Colour");

    chosen = {plugIns.Folder("second")};
    fw::SetDialogHook([&](fw::Dialog& d) {
        EXPECT_EQ(Rows(d), std::vector<std::string>{first});
        Select(d, first);
        d.PressButton(PlugInFoldersDialog::IDC_REMOVE);
        d.PressButton(PlugInFoldersDialog::IDC_ADD);
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(PIOpenPluginDialog(nullptr), 1);
    PISetPluginUi(nullptr);

    QStringList texts;
    for (const QAction* action : effects.actions())
        texts << action->text();
    EXPECT_EQ(texts, (QStringList{"Options...", "", "Test Blur", "Test Sharpen"}));
    EXPECT_EQ(PIGetPluginIDByMenuID(10002), -1);
    PIDettachPluginMenu();
    EXPECT_EQ(effects.actions().size(), 1);
}

} // namespace
