#include "tasks/module/Tool_Stitch.h"

FW_IMPLEMENT_DYNCREATE(CTool_Stitch, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Stitch::CTool_Stitch() : CLdTool("Stitch", 127, 128, 129, 171, 42) {}
