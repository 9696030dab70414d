// Rubber: a tool the bar makes current; its panel is not built, which its
// panel request tells the user.
#pragma once

#include "tasks/module/WrenkitUnbuiltPanelTool.h"

class CTool_Rubber : public CWrenkitUnbuiltPanelTool {
    FW_DECLARE_DYNCREATE(CTool_Rubber)

public:
    CTool_Rubber();
};
