// The menu that the plug-in items are built into, as the catalogue sees it.
// The editor implements it over its own menus; the catalogue never shows
// anything itself.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class PlugInMenu {
public:
    virtual ~PlugInMenu() = default;

    virtual int32_t ItemCount() const = 0;
    // The text of the item at a position; false for items without text
    // (separators).
    virtual bool ItemText(int32_t position, std::string& text) const = 0;
    // Inserts before the item at position (ItemCount() appends); false when
    // the item could not be inserted.
    virtual bool InsertItem(int32_t position, const std::string& text, uint32_t commandId) = 0;
    virtual bool InsertSubmenu(int32_t position, const std::string& text, PlugInMenu* submenu) = 0;
    virtual void AppendSeparator() = 0;
    // Takes the item at a position out of the menu; a submenu is not destroyed.
    virtual void RemoveItem(int32_t position) = 0;
    // A new empty menu for a category; the catalogue owns and destroys it.
    virtual std::unique_ptr<PlugInMenu> CreatePopup() = 0;
};
