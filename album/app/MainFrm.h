// The album's main frame. For now the menus of the album file and the
// status bar around the album view; the toolbar, the size limits and the
// scanner commands come with the album's own commands.
#pragma once

#include "framework/FrameWnd.h"

class CMainFrame : public fw::FrameWnd {
    FW_DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
};
