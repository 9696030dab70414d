// Context help in a test: while a HelpRecorder lives, the topics the help
// back end is asked to show and the popup menus offered are recorded, and
// each menu's first item is chosen while `choose` is set.
#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/ControlId.h"
#include "framework/HelpProvider.h"
#include "framework/PopupMenu.h"

class HelpRecorder {
public:
    struct Shown {
        uint32_t data;
        uint32_t command;
        bool operator==(const Shown&) const = default;
    };
    struct MenuItem {
        std::string text;
        uint32_t command;
        bool operator==(const MenuItem&) const = default;
    };

    HelpRecorder()
    {
        fw::HelpProvider::Instance().SetBackend(
            [this](const fw::HelpRequest& r) { shown.push_back({r.data, r.command}); });
        fw::SetPopupMenuHook([this](QMenu& menu, const QPoint&) -> QAction* {
            for (QAction* item : menu.actions())
                menus.push_back({item->text().toStdString(), fw::ControlId(item)});
            return choose ? menu.actions().value(0) : nullptr;
        });
    }
    ~HelpRecorder()
    {
        fw::SetPopupMenuHook({});
        fw::HelpProvider::Instance().SetBackend({});
    }
    HelpRecorder(const HelpRecorder&) = delete;
    HelpRecorder& operator=(const HelpRecorder&) = delete;

    // Right-clicks the middle of a control of a running dialog.
    static void RightClick(QWidget* control)
    {
        const QPoint local = control->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, local, control->mapToGlobal(local));
        QApplication::sendEvent(control, &event);
    }

    std::vector<Shown> shown;
    std::vector<MenuItem> menus;
    bool choose = true;
};
