// The option panel of the Select tool: the selection's shape, how it
// combines with the one there is, and the settings of the shape chosen
// (a square or fixed size for the rectangle and ellipse, the colour
// tolerance for the colour range). It writes straight into the editor's
// selection settings at every change.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "tasks/module/panels/LdOptionsPanel.h"

class CLdModule;
class CSelectParams;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace fw {
class SpinButton;
}

class CLdSelectPanel : public CLdOptionsPanel {
public:
    static constexpr uint32_t IDD = 135;
    // The shape buttons in the order of the shapes 0 to 5, and the combine
    // buttons in the order new, add, subtract.
    static constexpr uint32_t IDC_RECTANGLE = 1002, IDC_ELLIPSE = 1008, IDC_POLYGON = 1003, IDC_LASSO = 1004,
                              IDC_COLOR_RANGE = 1005, IDC_MOVE = 1006;
    static constexpr uint32_t IDC_NEW = 1009, IDC_ADD = 1010, IDC_SUBTRACT = 1011;
    static constexpr uint32_t IDC_TOLERANCE_LABEL = 1048, IDC_TOLERANCE = 1022, IDC_TOLERANCE_SPIN = 1045;
    static constexpr uint32_t IDC_SQUARE = 1018, IDC_SIZE = 1019;
    static constexpr uint32_t IDC_X_LABEL = 1046, IDC_X = 1020, IDC_X_SPIN = 1043;
    static constexpr uint32_t IDC_Y_LABEL = 1047, IDC_Y = 1021, IDC_Y_SPIN = 1044;
    static constexpr uint32_t kHelpPanel = 75;

    explicit CLdSelectPanel(QWidget* parent = nullptr);

    // The editor's selection settings (they stay the editor's) and the
    // module whose icons the buttons show.
    void SetParams(CSelectParams* select) { params = select; }
    void SetModule(const CLdModule* module) { module_ = module; }

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;

    // Reads the controls and writes them into the editor's settings; a
    // refused value writes nothing.
    void Store();
    // Shows the settings of the shape chosen.
    void Layout();

    CSelectParams* params = nullptr;
    QLabel* yLabel = nullptr;
    QLabel* xLabel = nullptr;
    QLabel* toleranceLabel = nullptr;
    fw::SpinButton* ySpin = nullptr;
    fw::SpinButton* xSpin = nullptr;
    fw::SpinButton* toleranceSpin = nullptr;
    QCheckBox* squareCheck = nullptr;
    QCheckBox* sizeCheck = nullptr;
    QLineEdit* yEdit = nullptr;
    QLineEdit* xEdit = nullptr;
    QLineEdit* toleranceEdit = nullptr;
    int mode = -1;
    int combine = -1;
    int32_t tolerance = 0;
    int32_t width = 0;
    int32_t height = 0;
    int fixedSize = 0;
    int square = 0;

protected:
    void CreateControls() override;

private:
    // Push-like radio buttons of one group, side by side from x.
    void AddButtonGroup(std::initializer_list<uint32_t> ids, std::initializer_list<const char*> texts, int x);
    // The number box with its label and arrows.
    QLineEdit* AddNumberBox(uint32_t labelId, const char* text, uint32_t editId, uint32_t spinId, int x,
                            QLabel*& label, fw::SpinButton*& spin);

    const CLdModule* module_ = nullptr;
};
