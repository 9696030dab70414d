// The tool "Select": selecting a part of the picture in the shape and way its panel sets.
#pragma once

#include "editor/loadable/LdTool.h"

class CSelectParams;

class CTool_Select : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Select)

public:
    CTool_Select();

    // The editor's settings, which stay the editor's and outlive the tool.
    void SetParams(fw::Object* params) override;
    QWidget* CreateOptionsPanel(QWidget* parent, QPoint* at, int vertical, int flag) override;

private:
    CSelectParams* params_ = nullptr;
};
