// The child frame of a picture window. On activation the text and
// selection tools follow it to its view and its document's selection.
#pragma once

#include "framework/MDIChildWnd.h"

class CChildFrame : public fw::MDIChildWnd {
    FW_DECLARE_DYNCREATE(CChildFrame)

public:
    void OnMDIActivate(bool activate, fw::MDIChildWnd* activated, fw::MDIChildWnd* deactivated) override;
};
