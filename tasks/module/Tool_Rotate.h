// The editor's Rotate & Flip dialog.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Rotate : public CWrenkitCommandTool<32782> {
    FW_DECLARE_DYNCREATE(CTool_Rotate)

public:
    CTool_Rotate();
};
