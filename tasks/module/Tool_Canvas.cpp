#include "tasks/module/Tool_Canvas.h"

FW_IMPLEMENT_DYNCREATE(CTool_Canvas, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Canvas::CTool_Canvas() : CLdTool("Canvas", 184, 185, 186, 187, 61) {}
