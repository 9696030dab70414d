#include "tasks/module/Tool_SmartTune.h"

FW_IMPLEMENT_DYNCREATE(CTool_SmartTune, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_SmartTune::CTool_SmartTune() : CWrenkitCommandTool("SmartTune", 190, 191, 192, 204, 202) {}
