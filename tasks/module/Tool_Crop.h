// The editor's Crop: the picture cut down to the selected area.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Crop : public CWrenkitCommandTool<32781> {
    FW_DECLARE_DYNCREATE(CTool_Crop)

public:
    CTool_Crop();
};
