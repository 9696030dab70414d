// The editor's Resize dialog; serves pictures of any kind.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Resize : public CWrenkitCommandTool<32851> {
    FW_DECLARE_DYNCREATE(CTool_Resize)

public:
    CTool_Resize();
    int AcceptsAnyPicture() override { return 1; }
};
