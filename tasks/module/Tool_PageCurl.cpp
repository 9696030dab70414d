#include "tasks/module/Tool_PageCurl.h"

FW_IMPLEMENT_DYNCREATE(CTool_PageCurl, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_PageCurl::CTool_PageCurl() : CWrenkitUnbuiltPanelTool("PageCurl", 100, 101, 102, 159, 33) {}
