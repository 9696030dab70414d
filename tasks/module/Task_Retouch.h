// The task "Retouch" of the editor's task bar: enhancing the picture.
// Which tools it offers is read from the section "Retouch" of the editor's
// settings.
#pragma once

#include "tasks/module/WrenkitTask.h"

class CTask_Retouch : public CWrenkitTask {
    FW_DECLARE_DYNCREATE(CTask_Retouch)

public:
    CTask_Retouch();
};
