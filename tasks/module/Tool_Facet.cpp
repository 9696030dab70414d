#include "tasks/module/Tool_Facet.h"

FW_IMPLEMENT_DYNCREATE(CTool_Facet, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id, and the
// caption of the setting in its panel.
CTool_Facet::CTool_Facet() : CWrenkitIntParamTool("Facet", 44, 45, 46, 146, 17, 94) {}
