// The tool "Text": text typed into its panel and placed on the picture in the face, size, style and alignment the panel sets.
#pragma once

#include "editor/loadable/LdTool.h"

class CTextParams;

class CTool_Text : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Text)

public:
    CTool_Text();

    // The editor's settings, which stay the editor's and outlive the tool.
    void SetParams(fw::Object* params) override;
    QWidget* CreateOptionsPanel(QWidget* parent, QPoint* at, int vertical, int flag) override;

private:
    CTextParams* params_ = nullptr;
};
