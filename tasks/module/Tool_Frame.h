// The frame wizard ("Borders"): the editor's frames for its picture, or,
// without one, straight to File > Open.
#pragma once

#include "tasks/module/WrenkitPictureTool.h"

class CTool_Frame : public CWrenkitPictureTool {
    FW_DECLARE_DYNCREATE(CTool_Frame)

public:
    static constexpr uint32_t ID_FRAMES = 32866;
    static constexpr uint32_t ID_FILE_OPEN = 57601;

    CTool_Frame();

    // Sends the editor its frames command, or File > Open when there is no
    // picture (no "Select source" dialog). Answers 0.
    int Execute() override;
};
