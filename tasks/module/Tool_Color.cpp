#include "tasks/module/Tool_Color.h"

FW_IMPLEMENT_DYNCREATE(CTool_Color, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Color::CTool_Color() : CWrenkitCommandTool("Color", 142, 143, 144, 174, 47) {}
