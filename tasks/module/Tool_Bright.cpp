#include "tasks/module/Tool_Bright.h"

FW_IMPLEMENT_DYNCREATE(CTool_Bright, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Bright::CTool_Bright() : CWrenkitCommandTool("Bright", 139, 140, 141, 172, 46) {}
