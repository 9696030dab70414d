// The editor's deformations as a popup at the cursor: the "&Deformations" popup of its
// Effects menu; the item chosen runs as the editor's menu command.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_Deform : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Deform)

public:
    CTool_Deform();

    // Answers 0, whatever was chosen.
    int Execute() override;
};
