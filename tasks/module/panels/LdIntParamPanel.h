// The option panel of the tools with one whole-number setting (Hand
// drawing, Scatter, Facet, Mosaic): the setting's name, its value in a box
// and its range. It works on a copy: nothing goes back to the tool.
#pragma once

#include <cstdint>
#include <string>

#include "tasks/module/LdIntParam.h"
#include "tasks/module/panels/LdOptionsPanel.h"

class CLdIntParamPanel : public CLdOptionsPanel {
public:
    static constexpr uint32_t IDD = 133;
    static constexpr uint32_t IDC_NAME = 1000;
    static constexpr uint32_t IDC_VALUE = 1001;
    static constexpr uint32_t IDC_RANGE = 1002;

    explicit CLdIntParamPanel(QWidget* parent = nullptr);

    // A copy of the tool's setting, shown under caption.
    void Bind(const CLdIntParam& setting, const std::string& caption);

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;

    int32_t value = 0;
    std::string nameText;
    std::string rangeText;
    CLdIntParam param{-100, 100};
    int32_t minValue = 0;
    int32_t maxValue = 0;

protected:
    void CreateControls() override;
    // The name label, value box and range label of both integer panels.
    void CreateValueControls();
};
