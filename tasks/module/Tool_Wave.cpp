#include "tasks/module/Tool_Wave.h"

FW_IMPLEMENT_DYNCREATE(CTool_Wave, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Wave::CTool_Wave() : CLdTool("Wave", 118, 119, 120, 165, 39) {}
