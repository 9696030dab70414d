#include "tasks/module/Tool_WinWallPap.h"

FW_IMPLEMENT_DYNCREATE(CTool_WinWallPap, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_WinWallPap::CTool_WinWallPap() : CLdTool("WinWallPap", 157, 158, 159, 178, 52) {}
