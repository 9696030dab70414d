#include "tasks/module/Tool_Punch.h"

FW_IMPLEMENT_DYNCREATE(CTool_Punch, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Punch::CTool_Punch() : CLdTool("Punch", 106, 107, 108, 162, 35) {}
