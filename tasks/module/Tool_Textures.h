// The editor's textures as a popup at the cursor: the "&Textures" popup of its
// Effects menu; the item chosen runs as the editor's menu command.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_Textures : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Textures)

public:
    CTool_Textures();

    // Answers 0, whatever was chosen.
    int Execute() override;
};
