// The editor's File > Print; serves pictures of any kind.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Print : public CWrenkitCommandTool<57607> {
    FW_DECLARE_DYNCREATE(CTool_Print)

public:
    CTool_Print();
    int AcceptsAnyPicture() override { return 1; }
};
