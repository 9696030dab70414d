// The tool "Fill": filling a region of the picture as its panel sets.
#pragma once

#include "editor/loadable/LdTool.h"

class CFillParams;

class CTool_Fill : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Fill)

public:
    CTool_Fill();

    // The editor's settings, which stay the editor's and outlive the tool.
    void SetParams(fw::Object* params) override;
    QWidget* CreateOptionsPanel(QWidget* parent, QPoint* at, int vertical, int flag) override;

private:
    CFillParams* params_ = nullptr;
};
