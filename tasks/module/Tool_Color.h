// The editor's Color dialog.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Color : public CWrenkitCommandTool<32791> {
    FW_DECLARE_DYNCREATE(CTool_Color)

public:
    CTool_Color();
};
