#include "filters/rubber/RandomWarpDialog.h"

#include "filters/rubber/RandomWarpEngine.h"
#include "filters/rubber/RubberStrings.h"
#include "filters/rubber/TrackBarEdit.h"
#include "framework/ControlId.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QSlider>
#include <algorithm>

RandomWarpDialog::RandomWarpDialog(SevenLongParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent)
    : SevenLongDialog(IDD, "Rnddeformations", params, tile, engine, 5, parent)
{
}

void RandomWarpDialog::CreateControls()
{
    SevenLongDialog::CreateControls();
    setWindowTitle("Random deformations");
}

void RandomWarpDialog::CreateFilterControls(QLayout* layout)
{
    strength_ = AddTrackBar(layout, {"&Strength (1...100):", IDC_STRENGTH, IDC_STRENGTH_EDIT, 1, 100, 10, 1, 100},
                            [this](int32_t v) { params_->strength = std::max(1, v); });
    size_ = AddTrackBar(layout, {QString::fromStdString(RubberString(IDS_SIZE_100)), IDC_SIZE, IDC_SIZE_EDIT, 1, 100,
                                 10, 1, 100},
                        [this](int32_t v) { params_->size = std::max(1, v); });
    // The label that AddTrackBar made names the track bar it stands for.
    for (QLabel* label : findChildren<QLabel*>())
        if (label->buddy() == size_->Slider())
            sizeLabel_ = label;
    fw::SetControlId(sizeLabel_, IDC_SIZE_LABEL);

    kind_ = new QComboBox(this);
    fw::SetControlId(kind_, IDC_KIND);
    kind_->addItems({"Ripples", "Erosion", "Excitations"});
    layout->addWidget(kind_);
    connect(kind_, &QComboBox::activated, this, [this](int index) {
        params_->type = index;
        FitSizeToKind();
        ProcessPreview();
    });

    freeze_ = new QCheckBox("&Freeze", this);
    fw::SetControlId(freeze_, IDC_FREEZE);
    layout->addWidget(freeze_);
    connect(freeze_, &QCheckBox::clicked, this, [this](bool on) {
        params_->freeze = on ? 1 : 0;
        ProcessPreview();
    });
}

void RandomWarpDialog::FitSizeToKind()
{
    QSlider* slider = size_->Slider();
    const bool erosion = params_->type == RandomWarpEngine::kErosion;
    slider->setRange(1, erosion ? 16 : 100);
    slider->setTickInterval(erosion ? 1 : 10);
    slider->setPageStep(erosion ? 1 : 10);
    sizeLabel_->setText(QString::fromStdString(RubberString(erosion ? IDS_SIZE_16 : IDS_SIZE_100)));
    // Held to the range, as the track bar shows it.
    size_->SetPosition(std::clamp(params_->size, 1, erosion ? 16 : 100));
    params_->size = slider->value();
}

bool RandomWarpDialog::OnInitDialog()
{
    int32_t kind = ReadSetting("Type", RandomWarpEngine::kRipples);
    // A kind no list holds (an edited settings file) starts as Ripples.
    if (kind < RandomWarpEngine::kRipples || kind > RandomWarpEngine::kExcitations)
        kind = RandomWarpEngine::kRipples;
    params_->type = kind;
    kind_->setCurrentIndex(kind);
    strength_->SetPosition(ReadSetting("Strength", 50));
    params_->strength = std::max(1, strength_->Slider()->value());
    params_->size = std::max(1, ReadSetting("Size", 50));
    FitSizeToKind();
    params_->freeze = ReadSetting("Freeze", 0) != 0 ? 1 : 0;
    freeze_->setChecked(params_->freeze != 0);
    SevenLongDialog::OnInitDialog();
    ProcessPreview();
    return true;
}

void RandomWarpDialog::OnOK()
{
    WriteSetting("Strength", params_->strength);
    WriteSetting("Size", params_->size);
    WriteSetting("Type", params_->type);
    WriteSetting("Freeze", params_->freeze);
    SevenLongDialog::OnOK();
}
