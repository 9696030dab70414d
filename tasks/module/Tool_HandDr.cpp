#include "tasks/module/Tool_HandDr.h"

FW_IMPLEMENT_DYNCREATE(CTool_HandDr, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id, and the
// caption of the setting in its panel.
CTool_HandDr::CTool_HandDr() : CWrenkitIntParamTool("HandDr", 38, 39, 40, 148, 15, 92) {}
