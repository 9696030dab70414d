// Perspective: a tool the bar makes current (its effect is the editor's); no
// option panel.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_Perspective : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Perspective)

public:
    CTool_Perspective();
};
