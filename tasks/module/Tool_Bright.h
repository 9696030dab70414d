// The editor's Brightness & Contrast dialog.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Bright : public CWrenkitCommandTool<32790> {
    FW_DECLARE_DYNCREATE(CTool_Bright)

public:
    CTool_Bright();
};
