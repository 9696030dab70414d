// The editor's File > New; works without a picture.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_New : public CWrenkitCommandTool<57600> {
    FW_DECLARE_DYNCREATE(CTool_New)

public:
    CTool_New();
    int AcceptsAnyPicture() override { return 1; }
    int NeedsDocument() override { return 0; }
};
