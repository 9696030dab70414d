#include "tasks/module/Task_Retouch.h"

FW_IMPLEMENT_DYNCREATE(CTask_Retouch, CLdTask)

// Caption, tool tip and comment strings, button bitmap, help id.
CTask_Retouch::CTask_Retouch() : CWrenkitTask("Retouch", 242, 243, 244, 139, 12) {}
