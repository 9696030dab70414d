// Menus by id through the resource search: the program's own resources
// (read from its file) before those of modules, and a missing or damaged
// menu reported naming it.
#include <gtest/gtest.h>

#include <string>

#include "framework/MenuResource.h"
#include "framework/ResourceException.h"
#include "framework/ResourceSearch.h"
#include "platform/ResourceSectionWriter.h"
#include "platform/ResourceTable.h"

namespace {

namespace ResourceType = platform::ResourceType;

platform::ResourceTable MenuTable(std::initializer_list<std::pair<uint32_t, std::string>> menus)
{
    platform::ResourceSectionWriter writer;
    for (const auto& [id, text] : menus)
        writer.Add(ResourceType::Menu, id, std::vector<uint8_t>(text.begin(), text.end()));
    return platform::ResourceTable::FromBytes(writer.Bytes());
}

std::string Menu(const std::string& popup) { return "popup \"" + popup + "\" { item 1 \"x\" }\n"; }

std::string FirstPopup(uint32_t id) { return fw::LoadMenuTemplate(id).Popups()[0].text; }

TEST(MenuResource, TheProgramsOwnFileIsSearchedFirst)
{
    fw::ResourceSearch& search = fw::ResourceSearch::Get();
    search.AddModuleResources("module", MenuTable({{300, Menu("module")}, {301, Menu("module")}}));
    EXPECT_EQ(FirstPopup(300), "&Program");
    EXPECT_EQ(FirstPopup(301), "module");
}

TEST(MenuResource, ModulesAreSearchedInTheOrderTheyWereAdded)
{
    fw::ResourceSearch& search = fw::ResourceSearch::Get();
    search.SetProgramResources(MenuTable({{1, Menu("program")}}));
    search.AddModuleResources("first", MenuTable({{2, Menu("first")}}));
    search.AddModuleResources("second", MenuTable({{2, Menu("second")}, {3, Menu("second")}, {1, Menu("second")}}));
    EXPECT_EQ(FirstPopup(1), "program");
    EXPECT_EQ(FirstPopup(2), "first");
    EXPECT_EQ(FirstPopup(3), "second");

    search.RemoveModuleResources("first");
    EXPECT_EQ(FirstPopup(2), "second");
    // Only menus are menus: a string of the same id is not found.
    EXPECT_FALSE(search.Find(ResourceType::String, 2));
}

TEST(MenuResource, AMissingOrDamagedMenuIsNamed)
{
    fw::ResourceSearch::Get().SetProgramResources(
        MenuTable({{5, "popup \"a\" {\n  item 1 \"x\"\n  entry 2 \"y\"\n}\n"}, {6, ""}}));
    const struct {
        uint32_t id;
        const char* message;
    } cases[] = {
        {4, "The program has no menu 4."},
        {5, "Menu 5 is damaged, line 3: unknown menu entry \"entry\""},
        {6, "Menu 6 is damaged, line 1: the menu has no popups"},
    };
    for (const auto& c : cases) {
        try {
            fw::LoadMenuTemplate(c.id);
            ADD_FAILURE() << "menu " << c.id << " loaded";
        } catch (const fw::ResourceException& error) {
            EXPECT_EQ(error.GetErrorMessage(), c.message);
        }
    }
}

}  // namespace
