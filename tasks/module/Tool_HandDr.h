// The tool "HandDr": the hand-drawing effect, whose strength its panel shows.
#pragma once

#include "tasks/module/WrenkitIntParamTool.h"

class CTool_HandDr : public CWrenkitIntParamTool {
    FW_DECLARE_DYNCREATE(CTool_HandDr)

public:
    CTool_HandDr();
};
