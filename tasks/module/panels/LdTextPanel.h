// The option panel of the Text tool: face, size, italic, bold, underline,
// alignment and the text itself, typed into a box aligned as the text will
// be. Every change goes straight into the editor's text settings, and the
// active picture view is repainted so that the text shown there follows.
#pragma once

#include <cstdint>
#include <string>

#include "tasks/module/panels/LdOptionsPanel.h"

class CLdModule;
class CTextParams;
class QComboBox;
class QTextEdit;

class CLdTextPanel : public CLdOptionsPanel {
public:
    static constexpr uint32_t IDD = 198;
    static constexpr uint32_t IDC_FACE = 1008, IDC_SIZE = 1029;
    static constexpr uint32_t IDC_ITALIC = 1015, IDC_BOLD = 1016, IDC_UNDERLINE = 1017;
    static constexpr uint32_t IDC_LEFT = 1050, IDC_CENTRE = 1051, IDC_RIGHT = 1052;
    // The text boxes of alignment 0, 1 and 2, one over the other.
    static constexpr uint32_t IDC_TEXT_LEFT = 1030, IDC_TEXT_CENTRE = 1032, IDC_TEXT_RIGHT = 1033;
    static constexpr uint32_t kHelpPanel = 90;
    // Slots of the text settings' numbers.
    static constexpr int kSize = 0, kItalic = 1, kBold = 2, kUnderline = 3, kAlignment = 4;
    static constexpr int kLargestListedSize = 127;

    explicit CLdTextPanel(QWidget* parent = nullptr);
    ~CLdTextPanel() override;

    // The editor's text settings (they stay the editor's) and the module
    // whose icons the buttons show.
    void SetParams(CTextParams* text) { params = text; }
    void SetModule(const CLdModule* module) { module_ = module; }

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;

    // The text of the box of the current alignment into the settings, and
    // the picture view repainted.
    void Apply();
    void OnFaceChosen();
    void OnSizeChosen();
    void OnSizeLeft();
    void OnStyleClicked(uint32_t id);
    void OnAlignmentClicked();
    void OnTextChanged();

    QTextEdit* rightEdit = nullptr;
    QTextEdit* centreEdit = nullptr;
    QTextEdit* leftEdit = nullptr;
    QComboBox* sizeCombo = nullptr;
    QComboBox* faceCombo = nullptr;
    std::string leftText;
    std::string centreText;
    std::string rightText;
    int bold = 0;
    int italic = 0;
    int underline = 0;
    int alignment = -1;
    CTextParams* params = nullptr;
    std::string currentText;
    int initialised = 0;

protected:
    void CreateControls() override;

private:
    // The settings' last number: the text tool's own state, reset while
    // the panel comes and goes.
    void ResetToolState();
    void ShowAlignedBox();
    // Controls from the fields, without the changes applying anything.
    void Fill();
    void SelectCurrentSize();

    const CLdModule* module_ = nullptr;
    bool filling_ = false;
};
