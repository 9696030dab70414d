#include "tasks/module/Tool_Pinch.h"

FW_IMPLEMENT_DYNCREATE(CTool_Pinch, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Pinch::CTool_Pinch() : CLdTool("Pinch", 103, 104, 105, 161, 34) {}
