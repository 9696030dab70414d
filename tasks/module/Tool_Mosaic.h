// The tool "Mosaic": the mosaic effect, whose strength its panel shows.
#pragma once

#include "tasks/module/WrenkitIntParamTool.h"

class CTool_Mosaic : public CWrenkitIntParamTool {
    FW_DECLARE_DYNCREATE(CTool_Mosaic)

public:
    CTool_Mosaic();
};
