// The Page curl dialog: the strength (track bar to 99, edit box to 100)
// and eight buttons, one a curl type, each showing the corner it rolls.
#pragma once

#include "filters/rubber/SevenLongDialog.h"

class TrackBarEdit;

class PageCurlDialog : public SevenLongDialog {
public:
    static constexpr uint32_t IDD = 171;
    static constexpr uint32_t IDC_STRENGTH = 1060;
    static constexpr uint32_t IDC_STRENGTH_EDIT = 1026;
    static constexpr uint32_t IDC_FIRST_TYPE = 1065; // to 1072

    // The type of button id (1065..1072), as the buttons have always been
    // laid out.
    static int32_t TypeOfButton(uint32_t id);

    PageCurlDialog(SevenLongParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent = nullptr);

protected:
    void CreateControls() override;
    void CreateFilterControls(QLayout* layout) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    TrackBarEdit* strength_ = nullptr;
};
