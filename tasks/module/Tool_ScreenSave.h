// The screen-saver wizard: the editor's picture written for the screen
// savers, the user's choice of saver, its registry values and its start
// (it opens its settings dialog). Without a picture it offers the editor's
// File > Open and Open From Album instead.
#pragma once

#include "tasks/module/WrenkitPictureTool.h"

class CTool_ScreenSave : public CWrenkitPictureTool {
    FW_DECLARE_DYNCREATE(CTool_ScreenSave)

public:
    CTool_ScreenSave();

    // InstallSaverPicture. Answers 0.
    int Execute() override;
    // A failure (the picture file, the registry, the start) is reported to
    // the user in a message box; nothing is passed on to the editor.
    void InstallSaverPicture();
};
