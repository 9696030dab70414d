#include "filters/rubber/PerspectiveDialog.h"

#include "filters/rubber/PerspectiveEngine.h"
#include "filters/rubber/TrackBarEdit.h"

#include <QSlider>

PerspectiveDialog::PerspectiveDialog(SevenLongParams* params, PreviewTile* tile, FilterEngine* engine,
                                     QWidget* parent)
    : SevenLongDialog(IDD, "Perspective", params, tile, engine, 13, parent)
{
}

void PerspectiveDialog::CreateFilterControls(QLayout* layout)
{
    // The first tilt narrows rows, the second columns; the settings have
    // always kept them under each other's name.
    first_ = AddTrackBar(layout, {"Horizontal (-99...99):", IDC_FIRST_TILT, IDC_FIRST_TILT_EDIT, 1, 199, 10, -99, 99, -100},
                         [this](int32_t v) { params_->strength = v; });
    second_ = AddTrackBar(layout, {"Vertical (-99...99):", IDC_SECOND_TILT, IDC_SECOND_TILT_EDIT, 1, 199, 10, -99, 99, -100},
                          [this](int32_t v) { params_->size = v; });
}

bool PerspectiveDialog::OnInitDialog()
{
    params_->strength = PerspectiveEngine::Tilt(ReadSetting("Vertical", 100));
    params_->size = PerspectiveEngine::Tilt(ReadSetting("Horizontal", 100));
    first_->SetPosition(params_->strength);
    second_->SetPosition(params_->size);
    SevenLongDialog::OnInitDialog();
    ProcessPreview();
    return true;
}

void PerspectiveDialog::OnOK()
{
    WriteSetting("Vertical", params_->strength);
    WriteSetting("Horizontal", params_->size);
    WriteSetting("Direction", params_->direction);
    WriteSetting("Freeze", params_->freeze);
    SevenLongDialog::OnOK();
}
