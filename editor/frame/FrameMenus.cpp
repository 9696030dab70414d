#include "editor/frame/FrameMenus.h"

#include "framework/MenuBuilder.h"
#include "framework/MenuResource.h"

std::vector<QMenu*> LdFillMenuBar(fw::FrameWnd& frame, QMenuBar* bar, uint32_t menuId)
{
    return fw::FillMenuBar(frame, bar, fw::LoadMenuTemplate(menuId));
}

std::string LdMenuCommandText(uint32_t id)
{
    const fw::MenuTemplate menu = fw::LoadMenuTemplate(IDR_FULL_COMMAND_MENU);
    const fw::MenuItem* item = menu.FindCommand(id);
    return item ? LdMenuTextLabel(item->text) : std::string();
}

std::string LdMenuTextLabel(const std::string& text)
{
    // The menu string is read into a buffer of 256 characters.
    std::string label = text.substr(0, 256);
    if (const size_t tab = label.find('\t'); tab != std::string::npos && tab + 1 < label.size())
        label.resize(tab);
    if (label.ends_with("..."))
        label.resize(label.size() - 3);
    std::string plain;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && ++i >= label.size())
            break;
        plain += label[i];
    }
    return plain;
}
