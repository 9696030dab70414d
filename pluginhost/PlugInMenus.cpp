// The plug-in submenus of the attached menu: a separator, then one submenu
// per category, sorted by name, each holding its plug-ins sorted by name.
#include "pluginhost/FixedString.h"
#include "pluginhost/PlugInCatalogue.h"
#include "pluginhost/PlugInMenu.h"

namespace {

// Inserts before the first item (from start on) whose text is greater, or
// after one whose text is equal; appends when there is none. Texts compare
// byte by byte, letter case counting.
template <typename Insert>
bool InsertMenuSorted(PlugInMenu& menu, int32_t start, const std::string& text, Insert insert)
{
    const int32_t count = menu.ItemCount();
    for (int32_t position = start; position < count; ++position) {
        std::string itemText;
        if (!menu.ItemText(position, itemText))
            continue;
        const int order = itemText.compare(text);
        if (order > 0)
            return insert(position);
        if (order == 0)
            return insert(position + 1);
    }
    return insert(count);
}

} // namespace

int32_t PlugInCatalogue::AttachMenu(PlugInMenu* menu, uint32_t firstId)
{
    if (!initialised || firstId == 0 || !menu)
        return 0;
    if (menu_)
        RemoveMenus();
    menu_ = menu;
    menuBaseCount_ = menu->ItemCount();
    firstMenuId_ = firstId;
    return BuildMenus(true);
}

void PlugInCatalogue::DetachMenu()
{
    if (!initialised)
        return;
    RemoveMenus();
    menu_ = nullptr;
}

int32_t PlugInCatalogue::BuildMenus(bool keep)
{
    if (!initialised)
        return 0;
    if (!menu_)
        return 1;
    if (!keep)
        RemoveMenus();

    menuBaseCount_ = menu_->ItemCount();
    menu_->AppendSeparator();
    const int32_t afterSeparator = menuBaseCount_ + 1;

    for (int32_t index = 0; index < categories_.Capacity(); ++index) {
        if (!categories_.InUse(index))
            continue;
        std::unique_ptr<PlugInMenu> submenu = menu_->CreatePopup();
        if (!submenu)
            continue;
        PlugInMenu* raw = submenu.get();
        if (InsertMenuSorted(*menu_, afterSeparator, categories_.Name(index),
                             [&](int32_t at) { return menu_->InsertSubmenu(at, categories_.Name(index), raw); })) {
            categories_.SetSubmenu(index, raw);
            submenus_.push_back(std::move(submenu));
        }
    }

    uint32_t nextId = firstMenuId_;
    for (const auto& entry : entries_) {
        PlugInRecord& record = entry->record;
        record.menuId = 0;
        PlugInMenu* submenu = categories_.Submenu(record.category);
        if (!submenu)
            continue;
        const std::string name(FixedView(record.name));
        if (InsertMenuSorted(*submenu, 0, name, [&](int32_t at) { return submenu->InsertItem(at, name, nextId); }))
            record.menuId = nextId++;
    }

    // Categories without plug-ins leave nothing behind.
    for (int32_t index = 0; index < categories_.Capacity(); ++index) {
        PlugInMenu* submenu = categories_.Submenu(index);
        if (!submenu || submenu->ItemCount() > 0)
            continue;
        std::string text;
        for (int32_t position = menu_->ItemCount() - 1; position >= afterSeparator; --position) {
            if (menu_->ItemText(position, text) && text == categories_.Name(index)) {
                menu_->RemoveItem(position);
                break;
            }
        }
        categories_.SetSubmenu(index, nullptr);
        std::erase_if(submenus_, [&](const auto& owned) { return owned.get() == submenu; });
    }
    if (menu_->ItemCount() == afterSeparator)
        menu_->RemoveItem(menuBaseCount_);
    return 1;
}

void PlugInCatalogue::RemoveMenus()
{
    if (!initialised)
        return;
    if (menu_ && menu_->ItemCount() != menuBaseCount_) {
        while (menu_->ItemCount() > menuBaseCount_)
            menu_->RemoveItem(menuBaseCount_);
    }
    for (int32_t index = 0; index < categories_.Capacity(); ++index)
        categories_.SetSubmenu(index, nullptr);
    submenus_.clear();
}
