// The editor's File > Open; works without a picture.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Open : public CWrenkitCommandTool<57601> {
    FW_DECLARE_DYNCREATE(CTool_Open)

public:
    CTool_Open();
    int AcceptsAnyPicture() override { return 1; }
    int NeedsDocument() override { return 0; }
};
