// The base of the album's dialogs: context help on their controls. F1 on a
// control that has a help id, or a right click on one, shows that
// control's topic; F1 anywhere else shows the dialog's own topic.
#pragma once

#include <cstdint>

#include "framework/Dialog.h"

namespace fw {
class DialogHelp;
}

class CAlbumHelpDlg : public fw::Dialog {
public:
    // dialogId names the dialog's topic and, with the control id, each
    // control's.
    CAlbumHelpDlg(uint32_t dialogId, QWidget* parent);

    // A control's help id in the album's help pages.
    static uint32_t ControlHelpId(uint32_t dialogId, uint32_t controlId) { return dialogId * 10000 + controlId; }

    // Gives every control with an id its help id, then shows the fields.
    bool OnInitDialog() override;

private:
    fw::DialogHelp* help_;
};
