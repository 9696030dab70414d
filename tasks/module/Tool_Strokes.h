// Strokes: a tool the bar makes current (its effect is the editor's); no
// option panel.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_Strokes : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Strokes)

public:
    CTool_Strokes();
};
