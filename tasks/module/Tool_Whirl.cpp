#include "tasks/module/Tool_Whirl.h"

FW_IMPLEMENT_DYNCREATE(CTool_Whirl, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Whirl::CTool_Whirl() : CLdTool("Wirl", 115, 116, 117, 166, 38) {}
