#include "tasks/module/Tool_Rotate.h"

FW_IMPLEMENT_DYNCREATE(CTool_Rotate, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Rotate::CTool_Rotate() : CWrenkitCommandTool("Rotate", 133, 134, 135, 169, 44) {}
