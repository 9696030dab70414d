#include "tasks/module/Task_Start.h"

FW_IMPLEMENT_DYNCREATE(CTask_Start, CLdTask)

// Caption, tool tip and comment strings, button bitmap, help id.
CTask_Start::CTask_Start() : CWrenkitTask("Start", 236, 237, 238, 129, 11) {}
