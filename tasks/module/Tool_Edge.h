// The editor's Edges dialog.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Edge : public CWrenkitCommandTool<32868> {
    FW_DECLARE_DYNCREATE(CTool_Edge)

public:
    CTool_Edge();
};
