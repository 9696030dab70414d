#include "tasks/module/Tool_OilPaint.h"

FW_IMPLEMENT_DYNCREATE(CTool_OilPaint, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_OilPaint::CTool_OilPaint() : CLdTool("OilPaint", 80, 81, 82, 151, 28) {}
