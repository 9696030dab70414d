// The Paint tool: the bar's current tool while the user paints in the
// picture, with the brush panel (shape, size, smoothness, brush type).
#pragma once

#include "tasks/module/WrenkitBrushTool.h"

class CTool_Paint : public CWrenkitBrushTool {
    FW_DECLARE_DYNCREATE(CTool_Paint)

public:
    CTool_Paint();

    QWidget* CreateOptionsPanel(QWidget* parent, QPoint* at, int vertical, int flag) override;
};
