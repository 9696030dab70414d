#include "tasks/module/Task_Easy.h"

FW_IMPLEMENT_DYNCREATE(CTask_Easy, CLdTask)

// Caption, tool tip and comment strings, button bitmap, help id.
CTask_Easy::CTask_Easy() : CWrenkitTask("Easy", 239, 240, 241, 137, 10) {}
