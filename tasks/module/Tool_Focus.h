// The editor's Focus dialog: smooth or sharpen the picture.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Focus : public CWrenkitCommandTool<32792> {
    FW_DECLARE_DYNCREATE(CTool_Focus)

public:
    CTool_Focus();
};
