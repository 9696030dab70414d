// The desktop copy of the savers on Qt: the primary screen grabbed as it is
// before the saver's window shows. Where the desktop cannot be read (a
// Wayland session, the offscreen platform) the copy is black.
#pragma once

#include "savers/SaverModel.h"

class DesktopScreen : public SaverScreen {
public:
    SaverDib Capture() override;
};
