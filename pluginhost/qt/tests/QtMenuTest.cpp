// The plug-in menus built over a QMenu: the catalogue's order and command
// ids as the menu shows them, and the items' commands going through the
// frame's routing.
#include "pluginhost/FixedString.h"
#include "pluginhost/PlugInCatalogue.h"
#include "pluginhost/qt/PlugInQtMenu.h"

#include "framework/ControlId.h"
#include "framework/FrameWnd.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

// A frame that takes the plug-in command range, as the editor's does.
class PlugInFrame : public fw::FrameWnd {
public:
    const fw::MessageMap* GetMessageMap() const override
    {
        static const fw::MessageMap map =
            fw::MessageMap(fw::FrameWnd::GetMessageMap()).OnCommandRange(10000, 10099, &PlugInFrame::OnPlugIn);
        return &map;
    }
    void OnPlugIn(uint32_t id) { commands.push_back(id); }
    std::vector<uint32_t> commands;
};

// "text=id" items, "-" separators, submenus with their items in brackets.
std::string Layout(const QMenu* menu)
{
    std::string out;
    for (const QAction* action : menu->actions()) {
        if (!out.empty())
            out += '|';
        if (action->isSeparator()) {
            out += '-';
            continue;
        }
        out += action->text().toStdString();
        if (const QMenu* sub = action->menu())
            out += '[' + Layout(sub) + ']';
        else if (fw::ControlId(action))
            out += '=' + std::to_string(fw::ControlId(action));
    }
    return out;
}

class QtMenus : public ::testing::Test {
protected:
    void SetUp() override
    {
        catalogue.initialised = true;
        frame.AddCommand(&effects, 200, "Filters");
        frame.AddCommand(&effects, 201, "Options");
    }
    uint32_t Add(const std::string& name, const char* category)
    {
        PlugInRecord r;
        CopyFixed(r.path, "/p/m.8bf");
        CopyFixed(r.name, name);
        CopyFixed(r.entry, "ENTRYPOINT1");
        r.category = catalogue.Categories().Add(category);
        return catalogue.AddRecord(r);
    }
    QAction* Find(const QMenu* menu, uint32_t id) const
    {
        for (QAction* action : menu->actions()) {
            if (action->menu())
                if (QAction* found = Find(action->menu(), id))
                    return found;
            if (fw::ControlId(action) == id)
                return action;
        }
        return nullptr;
    }

    PlugInCatalogue catalogue;
    PlugInFrame frame;
    QMenu effects;
    PlugInQtMenu menu{&effects, &frame};
};

TEST_F(QtMenus, ShowsTheCataloguePerCategoryWithIdsInListOrder)
{
    Add("Unsharp", "Sharpen");
    Add("Gaussian", "Blur");
    Add("motion", "blur");
    Add("Motion", "Blur");
    ASSERT_EQ(catalogue.AttachMenu(&menu, 10000), 1);
    EXPECT_EQ(Layout(&effects), "Filters=200|Options=201|-|Blur[Gaussian=10001|Motion=10003]|Sharpen[Unsharp=10000]|"
                                "blur[motion=10002]");
    EXPECT_EQ(catalogue.IdByMenuId(10003), 4);

    // A rebuild after a scan numbers them anew and leaves no stale entry.
    catalogue.RemoveById(1);
    catalogue.BuildMenus(false);
    EXPECT_EQ(Layout(&effects), "Filters=200|Options=201|-|Blur[Gaussian=10000|Motion=10002]|blur[motion=10001]");

    catalogue.DetachMenu();
    EXPECT_EQ(Layout(&effects), "Filters=200|Options=201");
}

TEST_F(QtMenus, ChoosingAnItemRoutesItsCommandThroughTheFrame)
{
    Add("Invert...", "Colour");
    Add("Emboss", "Stylize");
    ASSERT_EQ(catalogue.AttachMenu(&menu, 10000), 1);
    QAction* emboss = Find(&effects, 10001);
    ASSERT_NE(emboss, nullptr);

    // The frame's update enables what it handles.
    emboss->setEnabled(false);
    frame.UpdateMenu(&effects);
    EXPECT_TRUE(emboss->isEnabled());

    emboss->trigger();
    EXPECT_TRUE(frame.commands.empty()); // posted: the menu closes first
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.commands, std::vector<uint32_t>{10001});
    EXPECT_EQ(catalogue.IdByMenuId(frame.commands.front()), 2);
}

TEST_F(QtMenus, SortsByTheCataloguesBytesWhateverTheyShow)
{
    // A name that is not UTF-8 is shown as Latin-1 and still sorts by its
    // bytes: 0xC9 comes after every ASCII letter.
    Add("\xC9" "clair", "Light");
    Add("Zoom", "Light");
    Add("\xC3\xA9tage", "Light");
    ASSERT_EQ(catalogue.AttachMenu(&menu, 10000), 1);
    EXPECT_EQ(Layout(&effects), "Filters=200|Options=201|-|Light[Zoom=10001|\xC3\xA9tage=10002|\xC3\x89" "clair=10000]");
}

TEST_F(QtMenus, WithoutPlugInsOrAfterTheMenuIsGoneNothingBreaks)
{
    ASSERT_EQ(catalogue.AttachMenu(&menu, 10000), 1);
    EXPECT_EQ(Layout(&effects), "Filters=200|Options=201");

    Add("Blur", "B");
    auto owner = std::make_unique<QMenu>();
    PlugInQtMenu doomed(owner.get(), nullptr);
    ASSERT_EQ(catalogue.AttachMenu(&doomed, 10000), 1);
    EXPECT_EQ(owner->actions().size(), 2);
    owner.reset();
    catalogue.BuildMenus(false);
    catalogue.DetachMenu();
    EXPECT_EQ(doomed.ItemCount(), 0);
}

} // namespace
