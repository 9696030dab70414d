// The task "Start" of the editor's task bar, the one current when the
// editor starts.
// Which tools it offers is read from the section "Start" of the editor's
// settings.
#pragma once

#include "tasks/module/WrenkitTask.h"

class CTask_Start : public CWrenkitTask {
    FW_DECLARE_DYNCREATE(CTask_Start)

public:
    CTask_Start();
};
