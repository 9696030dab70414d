#include "tasks/module/Tool_Perspective.h"

FW_IMPLEMENT_DYNCREATE(CTool_Perspective, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Perspective::CTool_Perspective() : CLdTool("Perspective", 109, 110, 111, 160, 36) {}
