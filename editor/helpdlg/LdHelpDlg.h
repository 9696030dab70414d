// The base of the dialogs of the editor and of the modules it loads: context
// help on their controls. F1 asks for the help of the control with the
// focus, a right click offers "What's This?" for the control under the
// pointer, and the "&Help" button (command 57670) opens the dialog's own
// topic. Dialogs are laid out in the system's 8-point dialog font.
//
// One class for the editor and its modules: what differs between them (the
// command and text of the "What's This?" item, which come from the string
// table of the program or module that shows the dialog, and whether its
// controls have topics of their own) is the dialog's CLdHelpDlgStyle. The
// framework's fw::DialogHelp answers the keys and clicks by these rules.
#pragma once

#include "framework/ControlId.h"
#include "framework/Dialog.h"

#include <cstdint>

class QBoxLayout;
class QnRcStr;

namespace fw {
class DialogHelp;
}

struct CLdHelpDlgStyle {
    // The command of the "What's This?" item.
    uint32_t whatsThisCommand = 0;
    // The table its text is read from, when the menu is made, and the id.
    const QnRcStr* strings = nullptr;
    int whatsThisText = 0;
    // Controls without a topic get the one the help compiler numbers them
    // with: 0x80000000 + template id * 0x10000 + control id. Otherwise a
    // control without a topic falls back to the dialog's.
    bool controlTopics = false;

    // The editor's dialogs: command 1006, the editor's text, no control
    // topics but those given.
    static const CLdHelpDlgStyle& Editor();
};

class CLdHelpDlg : public fw::Dialog {
public:
    // The editor's "What's This?" command.
    static constexpr uint32_t ID_WHATS_THIS = 1006;

    // templateId names the dialog's help topic as the framework names a
    // dialog's: 0x20000 plus the template id.
    CLdHelpDlg(uint32_t templateId, QWidget* parent, const CLdHelpDlgStyle& style = CLdHelpDlgStyle::Editor());

    uint32_t GetTemplateId() const { return templateId_; }
    uint32_t GetWhatsThisCommand() const { return style_.whatsThisCommand; }

    // The topic the help compiler gives control id of dialog templateId.
    static uint32_t ControlTopic(uint32_t templateId, uint32_t controlId);

    // Hands the controls' right clicks to the dialog (and gives them their
    // topics where the style asks for it), then shows the fields.
    bool OnInitDialog() override;
    // "What's This?" on the control last right-clicked, and "&Help" (the
    // dialog's topic).
    void OnCommand(uint32_t id) override;

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

private:
    uint32_t templateId_;
    CLdHelpDlgStyle style_;
    // F1 on a control pops up its topic, else the dialog's topic opens; a
    // right click offers "What's This?" (through fw::TrackPopupMenu).
    fw::DialogHelp* help_;
};
