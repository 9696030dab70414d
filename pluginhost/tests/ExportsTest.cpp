#include "pluginhost/Fxgate.h"
#include "pluginhost/FxgateLibrary.h"
#include "pluginhost/PlugInCatalogue.h"
#include "FakeMenu.h"
#include "PlugInFolders.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

TEST(FxgateExports, NothingWorksBeforeASuccessfulStart)
{
    const PIInitPaths empty{"", ""};
    EXPECT_EQ(PIInitPluginSupport(&empty), 0);
    EXPECT_EQ(PIInitPluginSupport(nullptr), 0);
    FakeMenu menu;
    EXPECT_EQ(PIAttachPluginMenu(&menu, 10000), 0);
    EXPECT_EQ(menu.ItemCount(), 0);
    EXPECT_EQ(PIGetPluginIDByMenuID(10000), -1);
    EXPECT_EQ(PIGetFirstPluginPosition(), nullptr);
    EXPECT_EQ(PIOpenPluginDialog(nullptr), 0);
    EXPECT_THROW(CPIInstance instance(0), piInst_err_ID);
    EXPECT_THROW(CPIInstance instance(1), piInst_error);
}

class Exports : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders.AddModule("plugins", "invert");
        folders.AddModule("plugins", "twoentries");
        pluginFolder = folders.Folder("plugins");
        const std::string file = folders.CatalogueFile();
        const PIInitPaths paths{file.c_str(), pluginFolder.c_str()};
        ASSERT_EQ(PIInitPluginSupport(&paths), 1);
    }

    PlugInFolders folders;
    std::string pluginFolder;
};

TEST_F(Exports, BindsMenuCommandsToPlugIns)
{
    FakeMenu menu;
    menu.InsertItem(0, "Filters", 1);
    ASSERT_EQ(PIAttachPluginMenu(&menu, 10000), 1);
    EXPECT_EQ(menu.Layout(), "Filters|-|Test Blur[Blur more]|Test Colour[Invert...]|Test Sharpen[Sharpen edges...]");

    std::set<std::string> names;
    for (uint32_t command = 10000; command < 10003; ++command) {
        const int32_t id = PIGetPluginIDByMenuID(command);
        ASSERT_GT(id, 0);
        int32_t length = 0;
        ASSERT_EQ(PIGetPluginName(static_cast<uint32_t>(id), nullptr, &length), 1);
        std::string name(static_cast<size_t>(length), '\0');
        ASSERT_EQ(PIGetPluginName(static_cast<uint32_t>(id), name.data(), &length), 1);
        names.insert(name.c_str());
    }
    EXPECT_EQ(names, (std::set<std::string>{"Blur more", "Invert", "Sharpen edges"}));
    EXPECT_EQ(PIGetPluginIDByMenuID(10003), -1);
    EXPECT_EQ(PIGetPluginIDByMenuID(0), -1);

    PIDettachPluginMenu();
    EXPECT_EQ(menu.Layout(), "Filters");
}

TEST_F(Exports, EnumeratesCategoriesAndTheirPlugIns)
{
    std::map<std::string, std::vector<std::string>> found;
    void* categories = PIGetFirstPluginCatgPosition();
    while (categories) {
        int32_t index = -1;
        const char* category = PIGetNextPluginCatg(&categories, &index);
        ASSERT_NE(category, nullptr);
        std::vector<std::string>& names = found[category];
        void* position = PIGetFirstPluginPosition();
        uint32_t id = 0;
        while (const char* name = PIGetNextPluginName(&position, index, &id)) {
            EXPECT_GT(id, 0u);
            names.push_back(name);
        }
        EXPECT_EQ(id, 0u);
    }
    const std::map<std::string, std::vector<std::string>> expected = {
        {"Other", {}}, {"Test Blur", {"Blur more"}}, {"Test Colour", {"Invert..."}},
        {"Test Sharpen", {"Sharpen edges..."}}};
    EXPECT_EQ(found, expected);
}

// A folders dialog that the user answers by adding a folder.
class AddingFolderUi : public PlugInUi {
public:
    explicit AddingFolderUi(std::string folder) : folder_(std::move(folder)) {}
    bool EditFolders(void*, PlugInFolderList& folders) override
    {
        folders.Add(folder_);
        return true;
    }

private:
    std::string folder_;
};

TEST_F(Exports, TheFoldersDialogRescansAndTheCatalogueIsWrittenAtTheEnd)
{
    folders.AddModule("more", "faulty");
    AddingFolderUi ui(folders.Folder("more"));
    PISetPluginUi(&ui);
    EXPECT_EQ(PIOpenPluginDialog(nullptr), 1);
    PISetPluginUi(nullptr);

    ASSERT_EQ(PITermPluginSupport(), 1);
    PlugInCatalogue written;
    written.ReadFile(folders.CatalogueFile());
    EXPECT_FALSE(written.dirty);
    EXPECT_EQ(written.Folders().Count(), 2u);
    EXPECT_EQ(written.Count(), 3u + 8u);
    EXPECT_EQ(folders.LogText(), "");
}

TEST_F(Exports, ShowsTheAboutBoxOfAPlugIn)
{
    int window = 0;
    const int32_t id = Fxgate()->catalogue.IdByName("Invert...");
    EXPECT_EQ(PIOpenPluginAboutDialog(&window, static_cast<uint32_t>(id)), 0);
    EXPECT_EQ(folders.LogText(), "invert loaded\ninvert about\n");
    EXPECT_EQ(PIOpenPluginAboutDialog(nullptr, static_cast<uint32_t>(id)), 2);
    EXPECT_EQ(PIOpenPluginAboutDialog(&window, 999), 2);
}

} // namespace
