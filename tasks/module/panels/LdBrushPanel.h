// The Paint tool's panel (template 202): shape, size, smoothness and brush
// type of the editor's brush as picture cells, and the type's name beside
// them.
#pragma once

#include "tasks/module/panels/LdBrushFramesPanel.h"

#include <string>

class CLdBrushPanel : public CLdBrushFramesPanel {
public:
    static constexpr uint32_t kHelpId = 71;
    static constexpr uint32_t IDC_TYPE_TEXT = 1005;
    // The editor's names of the brush types, 0 to 4.
    static constexpr uint32_t IDS_FIRST_BRUSH_TYPE = 301;

    explicit CLdBrushPanel(QWidget* parent = nullptr);

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;

    std::string typeText;

protected:
    void CreateControls() override;
    void OnValueChosen(LdBrushField field, int index) override;
};
