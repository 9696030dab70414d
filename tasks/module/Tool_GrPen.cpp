#include "tasks/module/Tool_GrPen.h"

FW_IMPLEMENT_DYNCREATE(CTool_GrPen, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_GrPen::CTool_GrPen() : CLdTool("GrPen", 53, 54, 55, 147, 20) {}
