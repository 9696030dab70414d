#include "filters/rubber/PinchDialog.h"

#include "filters/rubber/RubberStrings.h"
#include "filters/rubber/TrackBarEdit.h"

#include <QSlider>
#include <algorithm>

namespace {

// The track bar runs twice as fine as the strength it sets.
int32_t StrengthOf(int32_t position) { return std::max(1, position / 2); }

} // namespace

PinchDialog::PinchDialog(bool punch, SevenLongParams* params, PreviewTile* tile, FilterEngine* engine,
                         QWidget* parent)
    : SevenLongDialog(IDD, RubberString(punch ? IDS_PUNCH : IDS_PINCH), params, tile, engine, punch ? 9 : 8, parent)
{
}

void PinchDialog::CreateFilterControls(QLayout* layout)
{
    strength_ = AddTrackBar(layout, {"&Strength (1...100):", IDC_STRENGTH, IDC_STRENGTH_EDIT, 1, 100, 10, 1, 100},
                            [this](int32_t v) { params_->strength = StrengthOf(v); });
    AddRadios(layout, "Direction",
              {{IDC_RADIAL, "&Radial", 2}, {IDC_VERTICAL, "&Vertical", 0}, {IDC_HORIZONTAL, "&Horizontal", 1}},
              [this](int32_t mode) { params_->direction = mode; });
}

bool PinchDialog::OnInitDialog()
{
    params_->size = ReadSetting("Size", 10);
    strength_->SetPosition(ReadSetting("Strength", 50));
    params_->strength = StrengthOf(strength_->Slider()->value());
    params_->direction = ReadSetting("Direction", 0);
    CheckRadio(params_->direction);
    SevenLongDialog::OnInitDialog();
    ProcessPreview();
    return true;
}

void PinchDialog::OnOK()
{
    WriteSetting("Size", params_->size);
    WriteSetting("Strength", 2 * params_->strength);
    WriteSetting("Direction", params_->direction);
    SevenLongDialog::OnOK();
}
