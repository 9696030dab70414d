#include "editor/palette/PaletteMenus.h"

#include "editor/palette/PaletteCommands.h"

std::vector<LdPaletteMenuEntry> LdPaletteMenu(const fw::MenuTemplate& menu, const LdPaletteMenuState& state)
{
    std::vector<LdPaletteMenuEntry> entries;
    const size_t popup = state.onTool ? 1 : 0;
    if (menu.Popups().size() <= popup)
        return entries;
    for (const fw::MenuItem& item : menu.Popups()[popup].children) {
        if (item.kind == fw::MenuItem::Kind::Popup)
            continue;
        LdPaletteMenuEntry entry{item.kind == fw::MenuItem::Kind::Command ? item.id : 0, item.text, true};
        if (!state.lastPane) {
            // Adding and deleting, with the separator before them, belong
            // to the last tab.
            if (entry.id == 0 || entry.id == ID_PALETTE_ADD_TOOL || entry.id == ID_PALETTE_DELETE_TOOL)
                continue;
            if (entry.id == ID_PALETTE_CUSTOMIZE && !state.canCustomize)
                continue;
            if (entry.id == ID_PALETTE_APPLY && !state.hasDocument)
                entry.enabled = false;
        }
        if ((entry.id == ID_PALETTE_APPLY || entry.id == ID_PALETTE_CUSTOMIZE) && !state.canApply)
            entry.enabled = false;
        entries.push_back(entry);
    }
    return entries;
}
