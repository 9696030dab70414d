// Page curl: a tool the bar makes current; its panel is not built, which its
// panel request tells the user.
#pragma once

#include "tasks/module/WrenkitUnbuiltPanelTool.h"

class CTool_PageCurl : public CWrenkitUnbuiltPanelTool {
    FW_DECLARE_DYNCREATE(CTool_PageCurl)

public:
    CTool_PageCurl();
};
