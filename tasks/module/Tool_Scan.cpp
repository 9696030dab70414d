#include "tasks/module/Tool_Scan.h"

FW_IMPLEMENT_DYNCREATE(CTool_Scan, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Scan::CTool_Scan() : CWrenkitCommandTool("Scan", 169, 170, 171, 185, 56) {}
