// The Wave dialog: the strength and the number of waves, and whether the
// waves run down the rows, across the columns or out from the centre.
#pragma once

#include "filters/rubber/SevenLongDialog.h"

class TrackBarEdit;

class WaveDialog : public SevenLongDialog {
public:
    static constexpr uint32_t IDD = 175;
    static constexpr uint32_t IDC_STRENGTH = 1053;
    static constexpr uint32_t IDC_STRENGTH_EDIT = 1026;
    static constexpr uint32_t IDC_WAVES = 1057;
    static constexpr uint32_t IDC_WAVES_EDIT = 1027;
    static constexpr uint32_t IDC_RADIAL = 1054;
    static constexpr uint32_t IDC_VERTICAL = 1055;
    static constexpr uint32_t IDC_HORIZONTAL = 1056;

    WaveDialog(SevenLongParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent = nullptr);

protected:
    void CreateFilterControls(QLayout* layout) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    TrackBarEdit* strength_ = nullptr;
    TrackBarEdit* waves_ = nullptr;
};
