#include "tasks/module/Tool_CleanBk.h"

FW_IMPLEMENT_DYNCREATE(CTool_CleanBk, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_CleanBk::CTool_CleanBk() : CLdTool("CleanBk", 148, 149, 150, 173, 49) {}
