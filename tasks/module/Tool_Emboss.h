// The tool "Emboss": the emboss effect, whose light angle (0 to 360,
// starting at 45) and light colour (starting grey) its panel shows.
#pragma once

#include "editor/loadable/LdTool.h"
#include "tasks/module/LdColParam.h"
#include "tasks/module/LdIntParam.h"

class CTool_Emboss : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Emboss)

public:
    CTool_Emboss();

    QWidget* CreateOptionsPanel(QWidget* parent, QPoint* at, int vertical, int flag) override;

    const CLdIntParam& Angle() const { return angle_; }
    const CLdColParam& Colour() const { return colour_; }

private:
    CLdIntParam angle_{0, 360};
    CLdColParam colour_;
};
