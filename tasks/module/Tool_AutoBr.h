// Auto brush: a tool the bar makes current (its effect is the editor's); no
// option panel.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_AutoBr : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_AutoBr)

public:
    CTool_AutoBr();
};
