#include "tasks/module/LdEffectsMenu.h"

#include "framework/MenuResource.h"
#include "framework/ResourceException.h"
#include "tasks/module/LdEditorHost.h"

#include <QCursor>
#include <string>

namespace {

const fw::MenuItem* PopupAt(const std::vector<fw::MenuItem>& items, size_t position)
{
    if (position >= items.size() || items[position].kind != fw::MenuItem::Kind::Popup)
        return nullptr;
    return &items[position];
}

}  // namespace

void CLdEffectsMenu::Track(CLdEditorHost& editor, int position, const QPoint& at)
{
    const fw::MenuTemplate menu = fw::LoadMenuTemplate(kMenuId);
    const fw::MenuItem* effects = PopupAt(menu.Popups(), kEffectsPosition);
    const fw::MenuItem* popup = effects ? PopupAt(effects->children, size_t(position)) : nullptr;
    if (!popup)
        throw fw::ResourceException("menu " + std::to_string(kMenuId) + " has no Effects popup at position " +
                                    std::to_string(position));
    editor.TrackPopup(*popup, at);
}

void CLdEffectsMenu::TrackAtCursor(CLdEditorHost& editor, int position) { Track(editor, position, QCursor::pos()); }
