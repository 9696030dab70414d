#include "tasks/module/Tool_Send.h"

FW_IMPLEMENT_DYNCREATE(CTool_Send, CLdTool)

// Caption, tool tip and comment strings, button bitmap, help id.
CTool_Send::CTool_Send() : CWrenkitCommandTool("Send", 181, 182, 183, 186, 60) {}
