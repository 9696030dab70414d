#include "tasks/module/Tool_Patches.h"

FW_IMPLEMENT_DYNCREATE(CTool_Patches, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Patches::CTool_Patches() : CLdTool("Patches", 83, 84, 85, 153, 29) {}
