// The editor's Open From Album (caption "Album"); works without a picture.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_OpenFA : public CWrenkitCommandTool<32773> {
    FW_DECLARE_DYNCREATE(CTool_OpenFA)

public:
    CTool_OpenFA();
    int AcceptsAnyPicture() override { return 1; }
    int NeedsDocument() override { return 0; }
};
