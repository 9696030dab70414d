// The editor's Red Eye dialog.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_RemoveRE : public CWrenkitCommandTool<32794> {
    FW_DECLARE_DYNCREATE(CTool_RemoveRE)

public:
    CTool_RemoveRE();
};
