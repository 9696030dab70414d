// Pinch: a tool the bar makes current (its effect is the editor's); no
// option panel.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_Pinch : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Pinch)

public:
    CTool_Pinch();
};
