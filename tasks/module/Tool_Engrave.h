// Engrave: a tool the bar makes current (its effect is the editor's); no
// option panel.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_Engrave : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Engrave)

public:
    CTool_Engrave();
};
