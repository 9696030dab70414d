#include "pluginhost/FixedString.h"
#include "pluginhost/PlugInCatalogue.h"
#include "FakeMenu.h"

#include <gtest/gtest.h>

namespace {

class Menus : public ::testing::Test {
protected:
    void SetUp() override
    {
        catalogue.initialised = true;
        menu.InsertItem(0, "Filters", 100);
        menu.InsertItem(1, "Options", 101);
    }
    uint32_t Add(const char* name, const char* category)
    {
        PlugInRecord r;
        CopyFixed(r.path, "/p/m.8bf");
        CopyFixed(r.name, name);
        CopyFixed(r.entry, "ENTRYPOINT1");
        r.category = catalogue.Categories().Add(category);
        return catalogue.AddRecord(r);
    }

    PlugInCatalogue catalogue;
    FakeMenu menu;
};

TEST_F(Menus, SortsCategoriesAndPlugInsByteByByte)
{
    Add("Unsharp", "Sharpen");
    Add("Gaussian", "Blur");
    Add("motion", "blur");
    Add("Motion", "Blur");
    Add("Gaussian", "Blur");
    ASSERT_EQ(catalogue.AttachMenu(&menu, 10000), 1);
    // The default category has no plug-ins and leaves no submenu.
    EXPECT_EQ(menu.Layout(), "Filters|Options|-|Blur[Gaussian,Gaussian,Motion]|Sharpen[Unsharp]|blur[motion]");
}

TEST_F(Menus, CommandIdsFollowTheListOrder)
{
    const uint32_t zoom = Add("Zoom", "A");
    const uint32_t blur = Add("Blur", "B");
    const uint32_t all = Add("All", "A");
    ASSERT_EQ(catalogue.AttachMenu(&menu, 10000), 1);
    EXPECT_EQ(catalogue.FindById(zoom)->menuId, 10000u);
    EXPECT_EQ(catalogue.FindById(blur)->menuId, 10001u);
    EXPECT_EQ(catalogue.FindById(all)->menuId, 10002u);
    EXPECT_EQ(catalogue.IdByMenuId(10002), static_cast<int32_t>(all));
    EXPECT_EQ(static_cast<FakeMenu*>(menu.items[3].submenu)->items[0].commandId, 10002u);

    // A rebuild after a scan numbers them anew.
    catalogue.RemoveById(zoom);
    catalogue.BuildMenus(false);
    EXPECT_EQ(catalogue.FindById(blur)->menuId, 10000u);
    EXPECT_EQ(menu.Layout(), "Filters|Options|-|A[All]|B[Blur]");
}

TEST_F(Menus, WithoutPlugInsTheMenuStaysAsItWas)
{
    const std::string before = menu.Layout();
    ASSERT_EQ(catalogue.AttachMenu(&menu, 10000), 1);
    EXPECT_EQ(menu.Layout(), before);

    Add("Blur", "B");
    catalogue.BuildMenus(false);
    EXPECT_EQ(menu.Layout(), before + "|-|B[Blur]");
    catalogue.DetachMenu();
    EXPECT_EQ(menu.Layout(), before);
}

TEST_F(Menus, NeedAnInitialisedCatalogueAndAFirstId)
{
    Add("Blur", "B");
    EXPECT_EQ(catalogue.AttachMenu(&menu, 0), 0);
    catalogue.initialised = false;
    EXPECT_EQ(catalogue.AttachMenu(&menu, 10000), 0);
    EXPECT_EQ(menu.ItemCount(), 2);
}

} // namespace
