#include "tasks/module/Tool_Edge.h"

FW_IMPLEMENT_DYNCREATE(CTool_Edge, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Edge::CTool_Edge() : CWrenkitCommandTool("Edge", 261, 262, 263, 199, 201) {}
