// Windows wallpaper: a tool the bar makes current, for pictures of any
// kind; no option panel.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_WinWallPap : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_WinWallPap)

public:
    CTool_WinWallPap();
    int AcceptsAnyPicture() override { return 1; }
};
