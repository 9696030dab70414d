// The tool "Facet": the facetted-glass effect, whose strength its panel shows.
#pragma once

#include "tasks/module/WrenkitIntParamTool.h"

class CTool_Facet : public CWrenkitIntParamTool {
    FW_DECLARE_DYNCREATE(CTool_Facet)

public:
    CTool_Facet();
};
