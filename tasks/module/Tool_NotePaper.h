// Note paper: a tool the bar makes current (its effect is the editor's); no
// option panel.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_NotePaper : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_NotePaper)

public:
    CTool_NotePaper();
};
