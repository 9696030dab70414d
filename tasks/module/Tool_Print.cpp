#include "tasks/module/Tool_Print.h"

FW_IMPLEMENT_DYNCREATE(CTool_Print, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Print::CTool_Print() : CWrenkitCommandTool("Print", 178, 179, 180, 183, 59) {}
