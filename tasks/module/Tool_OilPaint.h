// Oil paint: a tool the bar makes current (its effect is the editor's); no
// option panel.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_OilPaint : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_OilPaint)

public:
    CTool_OilPaint();
};
