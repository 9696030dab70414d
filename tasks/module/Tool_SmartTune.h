// The editor's Smart tune: the picture's levels adjusted automatically.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_SmartTune : public CWrenkitCommandTool<32869> {
    FW_DECLARE_DYNCREATE(CTool_SmartTune)

public:
    CTool_SmartTune();
};
