#include "tasks/module/Tool_AutoBr.h"

FW_IMPLEMENT_DYNCREATE(CTool_AutoBr, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_AutoBr::CTool_AutoBr() : CLdTool("AutoBr", 71, 72, 73, 143, 25) {}
