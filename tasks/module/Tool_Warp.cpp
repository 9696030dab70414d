#include "tasks/module/Tool_Warp.h"

FW_IMPLEMENT_DYNCREATE(CTool_Warp, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Warp::CTool_Warp() : CLdTool("Warp", 112, 113, 114, 164, 37) {}
