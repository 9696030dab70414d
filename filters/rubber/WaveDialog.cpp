#include "filters/rubber/WaveDialog.h"

#include "filters/rubber/TrackBarEdit.h"

#include <QSlider>
#include <algorithm>

namespace {

int32_t StrengthOf(int32_t position) { return std::max(1, position / 2); }
int32_t WavesOf(int32_t position) { return position == 0 ? 1 : position; }

} // namespace

WaveDialog::WaveDialog(SevenLongParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent)
    : SevenLongDialog(IDD, "Wave", params, tile, engine, 12, parent)
{
}

void WaveDialog::CreateFilterControls(QLayout* layout)
{
    strength_ = AddTrackBar(layout, {"&Strength (1...100):", IDC_STRENGTH, IDC_STRENGTH_EDIT, 1, 100, 10, 1, 100},
                            [this](int32_t v) { params_->strength = StrengthOf(v); });
    // The edit box takes up to 100 like the others; the track bar stops at 50.
    waves_ = AddTrackBar(layout, {"&Number of waves (1...50):", IDC_WAVES, IDC_WAVES_EDIT, 1, 50, 10, 1, 100},
                         [this](int32_t v) { params_->size = WavesOf(v); });
    AddRadios(layout, "Direction",
              {{IDC_RADIAL, "&Radial", 2}, {IDC_VERTICAL, "&Vertical", 0}, {IDC_HORIZONTAL, "&Horizontal", 1}},
              [this](int32_t mode) { params_->direction = mode; });
}

bool WaveDialog::OnInitDialog()
{
    waves_->SetPosition(ReadSetting("Size", 10));
    params_->size = WavesOf(waves_->Slider()->value());
    strength_->SetPosition(ReadSetting("Strength", 50));
    params_->strength = StrengthOf(strength_->Slider()->value());
    params_->direction = ReadSetting("Direction", 2);
    CheckRadio(params_->direction);
    SevenLongDialog::OnInitDialog();
    ProcessPreview();
    return true;
}

void WaveDialog::OnOK()
{
    WriteSetting("Size", params_->size);
    WriteSetting("Strength", 2 * params_->strength);
    WriteSetting("Direction", params_->direction);
    SevenLongDialog::OnOK();
}
