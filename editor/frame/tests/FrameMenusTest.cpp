// The editor's menu resources as the program carries them: the labels that
// history steps take from the full command menu, the places other code
// finds popups at, and the effect commands with their dialogs marked.
#include <gtest/gtest.h>

#include <set>

#include "editor/frame/FrameMenus.h"
#include "framework/MenuResource.h"

namespace {

using fw::MenuItem;
using fw::MenuTemplate;

std::vector<const MenuItem*> Commands(const std::vector<MenuItem>& items)
{
    std::vector<const MenuItem*> found;
    for (const MenuItem& item : items) {
        if (item.kind == MenuItem::Kind::Command)
            found.push_back(&item);
        if (item.kind == MenuItem::Kind::Popup)
            for (const MenuItem* inner : Commands(item.children))
                found.push_back(inner);
    }
    return found;
}

std::vector<uint32_t> Ids(const MenuItem& popup)
{
    std::vector<uint32_t> ids;
    for (const MenuItem* item : Commands(popup.children))
        ids.push_back(item->id);
    return ids;
}

TEST(MenuLabels, FollowTheMenuTextRules)
{
    const struct {
        std::string text;
        std::string label;
    } cases[] = {
        {"&New...\tCtrl+N", "New"},
        {"R&otate&&Flip...", "Rotate&Flip"},
        {"Oil &paint...", "Oil paint"},
        {"Save...\t", "Save...\t"},            // a tab at the end stays, and so do the dots
        {"A\tB\tC", "A"},                        // cut at the first tab
        {"Wait.... ", "Wait.... "},              // dots not at the end stay
        {"Four....", "Four."},                   // one "..." goes
        {"&&&&x&", "&&x"},                       // a last "&" has nothing to keep
        {std::string(300, 'a') + "\tX", std::string(256, 'a')},
        {std::string(250, 'b') + "...\tCtrl+X", std::string(250, 'b')},
        {std::string(254, 'c') + "...", std::string(254, 'c') + ".."},  // cut to 256 first
    };
    for (const auto& c : cases)
        EXPECT_EQ(LdMenuTextLabel(c.text), c.label) << c.text;
}

TEST(MenuLabels, ComeFromTheFullCommandMenu)
{
    const struct {
        uint32_t id;
        const char* label;
    } cases[] = {
        {57600, "New"},
        {57601, "Open"},
        {32861, "Paste As New Image"},
        {33000, "Acquire"},
        {32782, "Rotate&Flip"},
        {32790, "Brightness&Contrast"},
        {32795, "Convert to monochrome"},
        {32815, "Oil paint"},
        {32868, "Edges"},
        {32866, "Frames"},
        {57643, "Undo"},
        {1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LdMenuCommandText(c.id), c.label) << c.id;
}

TEST(MenuResources, TheEffectsMenuHoldsItsPopupsWhereOthersLookForThem)
{
    const MenuTemplate full = fw::LoadMenuTemplate(IDR_FULL_COMMAND_MENU);
    ASSERT_GT(full.Popups().size(), 4u);
    const MenuItem& effects = full.Popups()[4];
    EXPECT_EQ(effects.text, "Effe&cts");
    ASSERT_GT(effects.children.size(), 4u);
    EXPECT_EQ(effects.children[0].text, "&Artwork");
    EXPECT_EQ(effects.children[1].text, "&Deformations");
    EXPECT_EQ(effects.children[4].text, "&Textures");
    EXPECT_EQ(Ids(effects.children[1]),
              (std::vector<uint32_t>{32821, 32824, 32822, 32823, 32832, 32820, 32825, 32827, 32826, 32834, 32833}));
    EXPECT_EQ(Ids(effects.children[4]), (std::vector<uint32_t>{32837, 32838, 32839, 32840}));

    // The picture window's menu is the full command menu.
    const MenuTemplate picture = fw::LoadMenuTemplate(IDR_PICTURE_MENU);
    std::vector<std::string> fullTexts, pictureTexts;
    for (const MenuItem* item : Commands(full.Popups()))
        fullTexts.push_back(std::to_string(item->id) + item->text);
    for (const MenuItem* item : Commands(picture.Popups()))
        pictureTexts.push_back(std::to_string(item->id) + item->text);
    EXPECT_EQ(fullTexts, pictureTexts);
}

TEST(MenuResources, EveryBuiltinEffectHasItsItemAndOnlyTheFiveWithoutADialogLackTheDots)
{
    const std::set<uint32_t> withoutDialog = {32837, 32805, 32838, 32840, 32839};
    const uint32_t effects[] = {32820, 32825, 32822, 32823, 32821, 32832, 32826, 32827, 32833, 32834, 32824, 32811,
                                32812, 32837, 32809, 32813, 32807, 32810, 32805, 32815, 32814, 32838, 32840, 32839,
                                32817, 32806, 32818, 32808, 32793, 32790, 32791, 32794, 32792, 32816, 32869, 32868};
    const MenuTemplate full = fw::LoadMenuTemplate(IDR_FULL_COMMAND_MENU);
    for (uint32_t id : effects) {
        const MenuItem* item = full.FindCommand(id);
        ASSERT_NE(item, nullptr) << id;
        EXPECT_EQ(item->text.ends_with("..."), !withoutDialog.contains(id)) << id << " " << item->text;
    }
}

TEST(MenuResources, TheMainFramesCommandsAreThoseOfThePictureMenuWithTheSameTexts)
{
    const MenuTemplate main = fw::LoadMenuTemplate(IDR_MAINFRAME_MENU);
    const MenuTemplate full = fw::LoadMenuTemplate(IDR_FULL_COMMAND_MENU);
    for (const MenuItem* item : Commands(main.Popups())) {
        const MenuItem* same = full.FindCommand(item->id);
        ASSERT_NE(same, nullptr) << item->id;
        EXPECT_EQ(same->text, item->text);
    }
}

TEST(MenuResources, ThePalettesContextMenusHaveTheirEntriesAtTheirPlaces)
{
    const MenuTemplate palette = fw::LoadMenuTemplate(IDR_PALETTE_MENU);
    ASSERT_EQ(palette.Popups().size(), 2u);
    const auto kinds = [](const MenuItem& popup) {
        std::string shape;
        for (const MenuItem& item : popup.children)
            shape += item.kind == MenuItem::Kind::Separator ? '-' : 'c';
        return shape;
    };
    EXPECT_EQ(kinds(palette.Popups()[0]), "cc-c");
    EXPECT_EQ(Ids(palette.Popups()[0]), (std::vector<uint32_t>{32853, 32854, 32855}));
    EXPECT_EQ(kinds(palette.Popups()[1]), "ccc-c");
    EXPECT_EQ(Ids(palette.Popups()[1]), (std::vector<uint32_t>{32857, 32858, 32863, 32856}));
}

}  // namespace
