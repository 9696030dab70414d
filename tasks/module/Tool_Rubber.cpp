#include "tasks/module/Tool_Rubber.h"

FW_IMPLEMENT_DYNCREATE(CTool_Rubber, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Rubber::CTool_Rubber() : CWrenkitUnbuiltPanelTool("Rubber", 97, 98, 99, 163, 32) {}
