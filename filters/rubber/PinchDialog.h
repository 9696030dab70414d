// The dialog of Pinch and Punch (one template, titled and kept in the
// settings under the filter's name): the strength and the direction of
// the squeeze.
#pragma once

#include "filters/rubber/SevenLongDialog.h"

class TrackBarEdit;

class PinchDialog : public SevenLongDialog {
public:
    static constexpr uint32_t IDD = 163;
    static constexpr uint32_t IDC_STRENGTH = 1025;
    static constexpr uint32_t IDC_STRENGTH_EDIT = 1026;
    static constexpr uint32_t IDC_RADIAL = 1031;
    static constexpr uint32_t IDC_VERTICAL = 1032;
    static constexpr uint32_t IDC_HORIZONTAL = 1033;

    PinchDialog(bool punch, SevenLongParams* params, PreviewTile* tile, FilterEngine* engine,
                QWidget* parent = nullptr);

protected:
    void CreateFilterControls(QLayout* layout) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    TrackBarEdit* strength_ = nullptr;
};
