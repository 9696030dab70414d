#include "tasks/module/Tool_Pading.h"

FW_IMPLEMENT_DYNCREATE(CTool_Pading, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Pading::CTool_Pading() : CLdTool("Padding", 193, 194, 195, 190, 63) {}
