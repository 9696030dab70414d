// The Clone tool: the bar's current tool while the user clones parts of
// the picture, with the clone panel (shape, size, smoothness).
#pragma once

#include "tasks/module/WrenkitBrushTool.h"

class CTool_Clone : public CWrenkitBrushTool {
    FW_DECLARE_DYNCREATE(CTool_Clone)

public:
    CTool_Clone();

    QWidget* CreateOptionsPanel(QWidget* parent, QPoint* at, int vertical, int flag) override;
};
