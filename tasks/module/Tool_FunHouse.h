// The fun house: over an active picture window, the editor's deformations
// as a popup at the cursor (the item chosen runs as the editor's command);
// without one, "Select source" offers File > Open and Open From Album.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_FunHouse : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_FunHouse)

public:
    CTool_FunHouse();

    // Answers 0.
    int Execute() override;
};
