// The option panel of the Fill tool: what a fill covers (the selection, or
// the colour range at the point with its tolerance) and the fill type. It
// writes straight into the editor's fill settings at every change.
#pragma once

#include <cstdint>

#include "tasks/module/panels/LdOptionsPanel.h"

class CFillParams;
class QComboBox;
class QLineEdit;

namespace fw {
class SpinButton;
}

class CLdFillPanel : public CLdOptionsPanel {
public:
    static constexpr uint32_t IDD = 252;
    static constexpr uint32_t IDC_MATCH = 1005;
    static constexpr uint32_t IDC_TOLERANCE = 1006;
    static constexpr uint32_t IDC_TOLERANCE_SPIN = 1007;
    static constexpr uint32_t IDC_FILL_TYPE = 1008;
    // Context help of the panel and its controls.
    static constexpr uint32_t kHelpPanel = 300, kHelpMatch = 301, kHelpTolerance = 302, kHelpFillType = 303;
    // The editor's strings of the lists.
    static constexpr int32_t IDS_FILL_TYPE_FIRST = 306, IDS_FILL_TYPE_COUNT = 7;
    static constexpr int32_t IDS_MATCH_SELECTION = 313, IDS_MATCH_COLOR = 314;

    explicit CLdFillPanel(QWidget* parent = nullptr);

    // The editor's fill settings; they stay the editor's.
    void SetParams(CFillParams* fill) { params = fill; }

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;

    // The handlers of the controls, each reading the controls back first.
    void OnToleranceLeft();
    void OnFillTypeChanged();
    void OnMatchChanged();

    QLineEdit* toleranceEdit = nullptr;
    QComboBox* matchCombo = nullptr;
    QComboBox* fillTypeCombo = nullptr;
    fw::SpinButton* toleranceSpin = nullptr;
    int32_t tolerance = 0;
    int fillType = -1;
    int match = -1;
    CFillParams* params = nullptr;

protected:
    void CreateControls() override;

private:
    // The tolerance means something only for a colour range.
    void EnableTolerance();
};
