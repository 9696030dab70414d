#include "tasks/module/Tool_Strokes.h"

FW_IMPLEMENT_DYNCREATE(CTool_Strokes, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Strokes::CTool_Strokes() : CLdTool("Strokes", 89, 90, 91, 157, 31) {}
