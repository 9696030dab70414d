// The plug-in menus over Qt: a PlugInMenu that puts the catalogue's items
// into a QMenu. Each item carries its command id as its control id, so the
// frame's menu updates see it, and choosing it posts that command to the
// frame, where the program's command routing takes it like any menu command.
#pragma once

#include "pluginhost/PlugInMenu.h"

#include <QPointer>

class QAction;
class QMenu;

namespace fw {
class FrameWnd;
}

class PlugInQtMenu : public PlugInMenu {
public:
    // Over a menu of the program (not owned). frame may be null: the items
    // then carry their ids but choosing one sends nothing.
    PlugInQtMenu(QMenu* menu, fw::FrameWnd* frame);
    ~PlugInQtMenu() override;
    PlugInQtMenu(const PlugInQtMenu&) = delete;
    PlugInQtMenu& operator=(const PlugInQtMenu&) = delete;

    int32_t ItemCount() const override;
    bool ItemText(int32_t position, std::string& text) const override;
    bool InsertItem(int32_t position, const std::string& text, uint32_t commandId) override;
    bool InsertSubmenu(int32_t position, const std::string& text, PlugInMenu* submenu) override;
    void AppendSeparator() override;
    void RemoveItem(int32_t position) override;
    std::unique_ptr<PlugInMenu> CreatePopup() override;

    QMenu* Menu() const;

    // What a menu shows for a name: names in resources are not always
    // UTF-8, and such a name is read as Latin-1 rather than mangled.
    static QString DisplayText(const std::string& text);

private:
    struct OwnedTag {};
    PlugInQtMenu(OwnedTag, fw::FrameWnd* frame);
    QAction* ActionAt(int32_t position) const;
    void Insert(int32_t position, QAction* action, const std::string& text);

    QPointer<QMenu> menu_;
    QPointer<fw::FrameWnd> frame_;
    bool owned_ = false;
};
