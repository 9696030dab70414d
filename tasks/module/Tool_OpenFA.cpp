#include "tasks/module/Tool_OpenFA.h"

FW_IMPLEMENT_DYNCREATE(CTool_OpenFA, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_OpenFA::CTool_OpenFA() : CWrenkitCommandTool("OpenFA", 163, 164, 165, 181, 54) {}
