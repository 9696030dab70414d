// The editor's File > Acquire; works without a picture.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Scan : public CWrenkitCommandTool<33000> {
    FW_DECLARE_DYNCREATE(CTool_Scan)

public:
    CTool_Scan();
    int AcceptsAnyPicture() override { return 1; }
    int NeedsDocument() override { return 0; }
};
