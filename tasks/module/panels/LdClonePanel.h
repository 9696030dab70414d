// The Clone tool's panel (template 221): shape, size and smoothness of the
// editor's brush as picture cells. The clone brush always paints plain
// colour, so opening the panel sets the brush type back to Color brush.
#pragma once

#include "tasks/module/panels/LdBrushFramesPanel.h"

class CLdClonePanel : public CLdBrushFramesPanel {
public:
    static constexpr uint32_t kHelpId = 205;

    explicit CLdClonePanel(QWidget* parent = nullptr);

    bool OnInitDialog() override;
};
