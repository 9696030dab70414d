// The editor's artistic effects as a popup at the cursor: the "&Artwork" popup of its
// Effects menu; the item chosen runs as the editor's menu command.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_Effects : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Effects)

public:
    CTool_Effects();

    // Answers 0, whatever was chosen.
    int Execute() override;
};
