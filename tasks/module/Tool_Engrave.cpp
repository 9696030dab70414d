#include "tasks/module/Tool_Engrave.h"

FW_IMPLEMENT_DYNCREATE(CTool_Engrave, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Engrave::CTool_Engrave() : CLdTool("Engrave", 74, 75, 76, 145, 26) {}
