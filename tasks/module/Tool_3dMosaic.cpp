#include "tasks/module/Tool_3dMosaic.h"

FW_IMPLEMENT_DYNCREATE(CTool_3dMosaic, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_3dMosaic::CTool_3dMosaic() : CLdTool("3dMosaic", 68, 69, 70, 142, 24) {}
