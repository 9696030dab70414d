// Menu resources as text: the tree they give, positions kept, commands found
// by id, and bad text refused naming the line and the fault.
#include <gtest/gtest.h>

#include "base/QnExcept.h"
#include "framework/MenuTemplate.h"

namespace {

using fw::MenuItem;
using fw::MenuTemplate;

constexpr const char* kMenu = R"(# a comment
popup "&File" {
    item 57600 "&New...\tCtrl+N"
    separator
    popup "&Recent" {   # nested
        item 100 "One"
        popup "Deeper" { item 101 "Two" }
    }
    item 57665 "E&xit"
}
popup "Effe&cts" {
    item 100 "Later &copy of 100"
    popup "Empty" { }
    item 0x8000 "Rotate&&Flip \"quoted\""
}
)";

TEST(MenuTemplate, KeepsEveryEntryInOrder)
{
    const MenuTemplate menu = MenuTemplate::Parse(kMenu, "test");
    ASSERT_EQ(menu.Popups().size(), 2u);
    const MenuItem& file = menu.Popups()[0];
    EXPECT_EQ(file.kind, MenuItem::Kind::Popup);
    EXPECT_EQ(file.text, "&File");
    ASSERT_EQ(file.children.size(), 4u);
    EXPECT_EQ(file.children[0].kind, MenuItem::Kind::Command);
    EXPECT_EQ(file.children[0].id, 57600u);
    EXPECT_EQ(file.children[0].text, "&New...\tCtrl+N");
    EXPECT_EQ(file.children[1].kind, MenuItem::Kind::Separator);
    EXPECT_EQ(file.children[2].kind, MenuItem::Kind::Popup);
    EXPECT_EQ(file.children[2].children[1].children[0].text, "Two");
    EXPECT_EQ(file.children[3].text, "E&xit");

    const MenuItem& effects = menu.Popups()[1];
    ASSERT_EQ(effects.children.size(), 3u);
    EXPECT_EQ(effects.children[1].kind, MenuItem::Kind::Popup);
    EXPECT_TRUE(effects.children[1].children.empty());
    EXPECT_EQ(effects.children[2].id, 0x8000u);
    EXPECT_EQ(effects.children[2].text, "Rotate&&Flip \"quoted\"");
}

TEST(MenuTemplate, FindsACommandDepthFirstInMenuOrder)
{
    const MenuTemplate menu = MenuTemplate::Parse(kMenu, "test");
    // 100 is inside File > Recent before its later copy in Effects.
    ASSERT_NE(menu.FindCommand(100), nullptr);
    EXPECT_EQ(menu.FindCommand(100)->text, "One");
    ASSERT_NE(menu.FindCommand(101), nullptr);
    EXPECT_EQ(menu.FindCommand(101)->text, "Two");
    EXPECT_EQ(menu.FindCommand(57665)->text, "E&xit");
    EXPECT_EQ(menu.FindCommand(12345), nullptr);
}

TEST(MenuTemplate, RefusesBadTextNamingTheLine)
{
    std::string deep;
    for (int i = 0; i <= MenuTemplate::kMaxDepth; ++i)
        deep += "popup \"p\" {\n";
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"", "menu:1: the menu has no popups"},
        {"# only a comment\n", "menu:2: the menu has no popups"},
        {"item 1 \"top\"\n", "menu:1: the top level of a menu holds popups only"},
        {"separator\n", "menu:1: the top level of a menu holds popups only"},
        {"popup \"a\" {\n  entry 1 \"x\"\n}\n", "menu:2: unknown menu entry \"entry\""},
        {"popup \"a\" {\n  item \"x\"\n}\n", "menu:2: expected a command id"},
        {"popup \"a\" {\n  item x1 \"x\"\n}\n", "menu:2: expected a command id, found \"x1\""},
        {"popup \"a\" {\n  item 0 \"x\"\n}\n", "menu:2: a command id 0 is out of range"},
        {"popup \"a\" {\n  item 65536 \"x\"\n}\n", "menu:2: a command id 65536 is out of range"},
        {"popup \"a\" {\n  item 5\n}\n", "menu:3: expected the item's text in quotes"},
        {"popup \"a\" {\n  item 5 \"\"\n}\n", "menu:2: the item's text is empty"},
        {"popup \"a\" {\n  item 5 \"a\\x00b\"\n}\n", "menu:2: the item's text holds a NUL"},
        {"popup \"a\" {\n  item 5 \"open\n}\n", "menu:2: a string has no closing quote"},
        {"popup \"a\" {\n  item 5 \"\\q\"\n}\n", "menu:2: unknown escape \\q"},
        {"popup {\n}\n", "menu:1: expected the popup's text in quotes"},
        {"popup \"a\"\n  item 5 \"x\"\n", "menu:1: expected { after the popup's text"},
        {"popup \"a\" {\n  item 5 \"x\"\n", "menu:1: the popup \"a\" has no closing }"},
        {"popup \"a\" { }\n}\n", "menu:2: expected item, separator or popup"},
        {deep, "popups nest deeper than 16"},
    };
    for (const auto& c : cases) {
        try {
            MenuTemplate::Parse(c.text, "menu");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const QnExcept& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
                << c.text << "\ngave: " << error.what();
        }
    }
}

}  // namespace
