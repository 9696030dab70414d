#include "tasks/module/Tool_Resize.h"

FW_IMPLEMENT_DYNCREATE(CTool_Resize, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Resize::CTool_Resize() : CWrenkitCommandTool("Resize", 154, 155, 156, 177, 51) {}
