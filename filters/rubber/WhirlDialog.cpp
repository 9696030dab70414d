#include "filters/rubber/WhirlDialog.h"

#include "filters/rubber/TrackBarEdit.h"

#include <QSlider>
#include <algorithm>

WhirlDialog::WhirlDialog(SevenLongParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent)
    : SevenLongDialog(IDD, "Whirl", params, tile, engine, 3, parent)
{
}

void WhirlDialog::CreateFilterControls(QLayout* layout)
{
    strength_ = AddTrackBar(layout, {"&Strength (1...100):", IDC_STRENGTH, IDC_STRENGTH_EDIT, 1, 100, 10, 1, 100},
                            [this](int32_t v) { params_->strength = std::max(1, v); });
    AddRadios(layout, "Direction", {{IDC_CLOCKWISE, "&Clockwise", 0}, {IDC_COUNTERCLOCKWISE, "Cou&nterclockwise", 1}},
              [this](int32_t mode) { params_->direction = mode; });
}

bool WhirlDialog::OnInitDialog()
{
    params_->size = ReadSetting("Size", 10);
    strength_->SetPosition(ReadSetting("Strength", 50));
    params_->strength = std::max(1, strength_->Slider()->value());
    params_->direction = ReadSetting("Direction", 0);
    CheckRadio(params_->direction);
    SevenLongDialog::OnInitDialog();
    ProcessPreview();
    return true;
}

void WhirlDialog::OnOK()
{
    WriteSetting("Size", params_->size);
    WriteSetting("Strength", params_->strength);
    WriteSetting("Direction", params_->direction);
    SevenLongDialog::OnOK();
}
