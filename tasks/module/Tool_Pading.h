// Padding (the class keeps its short spelling): a tool the bar makes
// current (its effect is the editor's); no option panel.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_Pading : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Pading)

public:
    CTool_Pading();
};
