#include "tasks/module/Tool_Crop.h"

FW_IMPLEMENT_DYNCREATE(CTool_Crop, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Crop::CTool_Crop() : CWrenkitCommandTool("Crop", 130, 131, 132, 167, 43) {}
