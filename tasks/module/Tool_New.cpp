#include "tasks/module/Tool_New.h"

FW_IMPLEMENT_DYNCREATE(CTool_New, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_New::CTool_New() : CWrenkitCommandTool("New", 172, 173, 174, 179, 57) {}
