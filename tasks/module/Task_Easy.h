// The task "Easy" of the editor's task bar (caption "Easy Task"): the
// automatic image guide.
// Which tools it offers is read from the section "Easy" of the editor's
// settings.
#pragma once

#include "tasks/module/WrenkitTask.h"

class CTask_Easy : public CWrenkitTask {
    FW_DECLARE_DYNCREATE(CTask_Easy)

public:
    CTask_Easy();
};
