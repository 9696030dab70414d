// A menu in memory, as the editor's menus would take the plug-in items.
#pragma once

#include "pluginhost/PlugInMenu.h"

#include <memory>
#include <string>
#include <vector>

class FakeMenu : public PlugInMenu {
public:
    struct Item {
        std::string text; // empty: a separator
        uint32_t commandId = 0;
        PlugInMenu* submenu = nullptr;
    };

    int32_t ItemCount() const override { return static_cast<int32_t>(items.size()); }
    bool ItemText(int32_t position, std::string& text) const override
    {
        text = items.at(static_cast<size_t>(position)).text;
        return !text.empty();
    }
    bool InsertItem(int32_t position, const std::string& text, uint32_t commandId) override
    {
        items.insert(items.begin() + position, Item{text, commandId, nullptr});
        return true;
    }
    bool InsertSubmenu(int32_t position, const std::string& text, PlugInMenu* submenu) override
    {
        items.insert(items.begin() + position, Item{text, 0, submenu});
        return true;
    }
    void AppendSeparator() override { items.push_back(Item{}); }
    void RemoveItem(int32_t position) override { items.erase(items.begin() + position); }
    std::unique_ptr<PlugInMenu> CreatePopup() override { return std::make_unique<FakeMenu>(); }

    // The texts, a submenu's items in brackets: "File|-|Blur[Gaussian,Motion]".
    std::string Layout() const
    {
        std::string out;
        for (const Item& item : items) {
            if (!out.empty())
                out += '|';
            out += item.text.empty() ? "-" : item.text;
            if (item.submenu) {
                const auto* sub = static_cast<const FakeMenu*>(item.submenu);
                out += '[';
                for (size_t i = 0; i < sub->items.size(); ++i)
                    out += (i ? "," : "") + sub->items[i].text;
                out += ']';
            }
        }
        return out;
    }

    std::vector<Item> items;
};
