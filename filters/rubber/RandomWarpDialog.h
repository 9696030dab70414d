// The dialog of Random deformations: the strength, the size (1..16 for
// Erosion, else 1..100, its label following the kind), the kind of field
// and "Freeze".
#pragma once

#include "filters/rubber/SevenLongDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class TrackBarEdit;

class RandomWarpDialog : public SevenLongDialog {
public:
    static constexpr uint32_t IDD = 172;
    static constexpr uint32_t IDC_STRENGTH = 1076;
    static constexpr uint32_t IDC_STRENGTH_EDIT = 1026;
    static constexpr uint32_t IDC_SIZE = 1078;
    static constexpr uint32_t IDC_SIZE_EDIT = 1077;
    static constexpr uint32_t IDC_SIZE_LABEL = 1075;
    static constexpr uint32_t IDC_KIND = 1007;
    static constexpr uint32_t IDC_FREEZE = 1008;

    RandomWarpDialog(SevenLongParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent = nullptr);

protected:
    void CreateControls() override;
    void CreateFilterControls(QLayout* layout) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // The size's range, ticks and label for the kind.
    void FitSizeToKind();

    TrackBarEdit* strength_ = nullptr;
    TrackBarEdit* size_ = nullptr;
    QLabel* sizeLabel_ = nullptr;
    QComboBox* kind_ = nullptr;
    QCheckBox* freeze_ = nullptr;
};
