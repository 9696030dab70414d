#include "tasks/module/Tool_Mosaic.h"

FW_IMPLEMENT_DYNCREATE(CTool_Mosaic, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id, and the
// caption of the setting in its panel.
CTool_Mosaic::CTool_Mosaic() : CWrenkitIntParamTool("Mosaic", 47, 48, 49, 149, 18, 95) {}
