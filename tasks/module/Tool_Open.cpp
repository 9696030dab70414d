#include "tasks/module/Tool_Open.h"

FW_IMPLEMENT_DYNCREATE(CTool_Open, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Open::CTool_Open() : CWrenkitCommandTool("Open", 160, 161, 162, 180, 53) {}
