// The task "Finish" of the editor's task bar: the last stage of the work.
// Which tools it offers is read from the section "Finish" of the editor's
// settings.
#pragma once

#include "tasks/module/WrenkitTask.h"

class CTask_Finish : public CWrenkitTask {
    FW_DECLARE_DYNCREATE(CTask_Finish)

public:
    CTask_Finish();
};
