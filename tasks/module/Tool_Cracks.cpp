#include "tasks/module/Tool_Cracks.h"

FW_IMPLEMENT_DYNCREATE(CTool_Cracks, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Cracks::CTool_Cracks() : CLdTool("Cracks", 187, 188, 189, 188, 62) {}
