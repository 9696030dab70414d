// The wallpaper wizard: the editor's picture made the desktop's wallpaper,
// centred or tiled, in a dialog with a preview. Without a picture it offers
// the editor's File > Open and Open From Album instead.
#pragma once

#include "tasks/module/WrenkitPictureTool.h"

class CTool_Wallpaper : public CWrenkitPictureTool {
    FW_DECLARE_DYNCREATE(CTool_Wallpaper)

public:
    CTool_Wallpaper();

    // The dialog runs while the editor's main window is minimised. Answers 0.
    int Execute() override;
};
