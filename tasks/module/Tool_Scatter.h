// The tool "Scatter": the scatter effect, whose strength its panel shows.
#pragma once

#include "tasks/module/WrenkitIntParamTool.h"

class CTool_Scatter : public CWrenkitIntParamTool {
    FW_DECLARE_DYNCREATE(CTool_Scatter)

public:
    CTool_Scatter();
};
