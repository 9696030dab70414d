#include "tasks/module/Task_Finish.h"

FW_IMPLEMENT_DYNCREATE(CTask_Finish, CLdTask)

// Caption, tool tip and comment strings, button bitmap, help id.
CTask_Finish::CTask_Finish() : CWrenkitTask("Finish", 248, 249, 250, 138, 14) {}
