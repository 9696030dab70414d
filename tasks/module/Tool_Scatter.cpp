#include "tasks/module/Tool_Scatter.h"

FW_IMPLEMENT_DYNCREATE(CTool_Scatter, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id, and the
// caption of the setting in its panel.
CTool_Scatter::CTool_Scatter() : CWrenkitIntParamTool("Scatter", 41, 42, 43, 155, 16, 93) {}
