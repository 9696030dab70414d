#include "tasks/module/Tool_FreeResize.h"

FW_IMPLEMENT_DYNCREATE(CTool_FreeResize, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_FreeResize::CTool_FreeResize() : CLdTool("FreeResize", 136, 137, 138, 168, 45) {}
