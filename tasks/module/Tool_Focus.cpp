#include "tasks/module/Tool_Focus.h"

FW_IMPLEMENT_DYNCREATE(CTool_Focus, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Focus::CTool_Focus() : CWrenkitCommandTool("Focus", 145, 146, 147, 175, 48) {}
