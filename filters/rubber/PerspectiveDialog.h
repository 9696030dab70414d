// The Perspective dialog: the two tilts, each shown as -99..99 beside its
// track bar (1..199, 100 for none).
#pragma once

#include "filters/rubber/SevenLongDialog.h"

class TrackBarEdit;

class PerspectiveDialog : public SevenLongDialog {
public:
    static constexpr uint32_t IDD = 177;
    static constexpr uint32_t IDC_FIRST_TILT = 1017;
    static constexpr uint32_t IDC_SECOND_TILT = 1018;
    static constexpr uint32_t IDC_FIRST_TILT_EDIT = 1019;
    static constexpr uint32_t IDC_SECOND_TILT_EDIT = 1020;

    PerspectiveDialog(SevenLongParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent = nullptr);

protected:
    void CreateFilterControls(QLayout* layout) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    TrackBarEdit* first_ = nullptr;
    TrackBarEdit* second_ = nullptr;
};
