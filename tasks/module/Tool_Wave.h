// Wave: a tool the bar makes current (its effect is the editor's); no
// option panel.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_Wave : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Wave)

public:
    CTool_Wave();
};
