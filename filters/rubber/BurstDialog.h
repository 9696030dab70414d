// The dialog of Explosions and Collapses (one template, titled and kept in
// the settings under the family's name): the strength, the variant of the
// family, the number of peaks or the density, and "Freeze".
#pragma once

#include "filters/rubber/SevenLongDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class TrackBarEdit;

class BurstDialog : public SevenLongDialog {
public:
    static constexpr uint32_t IDD = 170;
    static constexpr uint32_t IDC_STRENGTH = 1058;
    static constexpr uint32_t IDC_STRENGTH_EDIT = 1026;
    static constexpr uint32_t IDC_VARIANT = 1011;
    static constexpr uint32_t IDC_SIZE = 1056;
    static constexpr uint32_t IDC_SIZE_EDIT = 1057;
    static constexpr uint32_t IDC_SIZE_LABEL = 1075;
    static constexpr uint32_t IDC_FREEZE = 1008;

    BurstDialog(bool collapses, SevenLongParams* params, PreviewTile* tile, FilterEngine* engine,
                QWidget* parent = nullptr);

protected:
    void CreateFilterControls(QLayout* layout) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void ShowSizeLabel();

    int32_t first_;
    TrackBarEdit* strength_ = nullptr;
    TrackBarEdit* size_ = nullptr;
    QLabel* sizeLabel_ = nullptr;
    QComboBox* variant_ = nullptr;
    QCheckBox* freeze_ = nullptr;
};
