// The base of every dialog of the editor: context help on its controls.
// F1 asks for the help of the control with the focus, a right click offers
// "What's This?" for the control under the pointer, and the "&Help" button
// (command 57670) opens the dialog's own topic. Dialogs are laid out in the
// system's 8-point dialog font.
#pragma once

#include "framework/ControlId.h"
#include "framework/Dialog.h"

#include <QPoint>
#include <cstdint>
#include <functional>

class QBoxLayout;

// What a help request carries (the system's help record, less its size).
struct LdHelpInfo {
    uint32_t controlId = 0;
    uint32_t contextId = 0;
    QPoint position;
};

class CLdHelpDlg : public fw::Dialog {
public:
    // The "What's This?" menu's command.
    static constexpr uint32_t ID_WHATS_THIS = 1006;

    // templateId names the dialog's help topic as the framework names a
    // dialog's: 0x20000 plus the template id.
    CLdHelpDlg(uint32_t templateId, QWidget* parent);

    uint32_t GetTemplateId() const { return templateId_; }

    // Hands the controls' right clicks to the dialog, then shows the fields.
    bool OnInitDialog() override;

    // A nonzero context id opens that topic as a pop-up; 0 opens the
    // dialog's own topic. True when help was shown.
    virtual bool OnHelpInfo(const LdHelpInfo& info);
    // Right click at a screen point: offers "What's This?" there.
    void OnContextMenu(const QPoint& screenPoint);
    // The menu's command: the help of the control at the stored point.
    void OnWhatsThis();
    void OnCommand(uint32_t id) override;

    // Answers the "What's This?" menu instead of showing it: given the menu's
    // text and the screen point, true chooses the item.
    using MenuHook = std::function<bool(const std::string& text, const QPoint& at)>;
    static MenuHook SetMenuHook(MenuHook hook);

    // The control under a screen point (the dialog's widget with a control
    // id at or above the deepest widget there), or null.
    QWidget* ControlAt(const QPoint& screenPoint) const;

protected:
    // A control of the dialog with its id.
    template <class Control>
    Control* AddControl(uint32_t id)
    {
        auto* control = new Control(this);
        fw::SetControlId(control, id);
        return control;
    }
    // OK, Cancel (unless withCancel is false) and "&Help" stacked in a
    // column, as the editor's dialogs place them.
    void AddStandardButtons(QBoxLayout* column, bool withCancel = true);

    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    uint32_t templateId_;
    QPoint menuPoint_;
};
