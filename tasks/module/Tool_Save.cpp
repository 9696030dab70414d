#include "tasks/module/Tool_Save.h"

FW_IMPLEMENT_DYNCREATE(CTool_Save, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Save::CTool_Save() : CWrenkitCommandTool("Save", 175, 176, 177, 184, 58) {}
