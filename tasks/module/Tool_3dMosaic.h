// 3D mosaic: a tool the bar makes current (its effect is the editor's); no
// option panel.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_3dMosaic : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_3dMosaic)

public:
    CTool_3dMosaic();
};
