// The task "Artwork" of the editor's task bar: art effects for the picture.
// Which tools it offers is read from the section "Artwork" of the editor's
// settings.
#pragma once

#include "tasks/module/WrenkitTask.h"

class CTask_Artwork : public CWrenkitTask {
    FW_DECLARE_DYNCREATE(CTask_Artwork)

public:
    CTask_Artwork();
};
