#include "tasks/module/Tool_Relief.h"

FW_IMPLEMENT_DYNCREATE(CTool_Relief, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Relief::CTool_Relief() : CLdTool("Relief", 86, 87, 88, 154, 30) {}
