#include "tasks/module/Tool_NotePaper.h"

FW_IMPLEMENT_DYNCREATE(CTool_NotePaper, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_NotePaper::CTool_NotePaper() : CLdTool("NotePaper", 77, 78, 79, 150, 27) {}
