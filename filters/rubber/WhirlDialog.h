// The Whirl dialog: the strength of the turn and its sense.
#pragma once

#include "filters/rubber/SevenLongDialog.h"

class TrackBarEdit;

class WhirlDialog : public SevenLongDialog {
public:
    static constexpr uint32_t IDD = 176;
    static constexpr uint32_t IDC_STRENGTH = 1050;
    static constexpr uint32_t IDC_STRENGTH_EDIT = 1026;
    static constexpr uint32_t IDC_CLOCKWISE = 1051;
    static constexpr uint32_t IDC_COUNTERCLOCKWISE = 1052;

    WhirlDialog(SevenLongParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent = nullptr);

protected:
    void CreateFilterControls(QLayout* layout) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    TrackBarEdit* strength_ = nullptr;
};
