#include "tasks/module/Tool_RemoveRE.h"

FW_IMPLEMENT_DYNCREATE(CTool_RemoveRE, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_RemoveRE::CTool_RemoveRE() : CWrenkitCommandTool("RemoveRE", 151, 152, 153, 176, 50) {}
