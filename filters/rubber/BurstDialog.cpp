#include "filters/rubber/BurstDialog.h"

#include "filters/rubber/BurstEngine.h"
#include "filters/rubber/RubberStrings.h"
#include "filters/rubber/TrackBarEdit.h"
#include "framework/ControlId.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QSlider>
#include <algorithm>

BurstDialog::BurstDialog(bool collapses, SevenLongParams* params, PreviewTile* tile, FilterEngine* engine,
                         QWidget* parent)
    : SevenLongDialog(IDD, RubberString(collapses ? IDS_COLLAPSES : IDS_EXPLOSIONS), params, tile, engine,
                      collapses ? 2 : 1, parent),
      first_(collapses ? BurstEngine::kEarthQuake : BurstEngine::kBurst)
{
}

void BurstDialog::CreateFilterControls(QLayout* layout)
{
    strength_ = AddTrackBar(layout, {"&Strength (1...100):", IDC_STRENGTH, IDC_STRENGTH_EDIT, 1, 100, 10, 1, 100},
                            [this](int32_t v) { params_->strength = std::max(1, v); });

    variant_ = new QComboBox(this);
    fw::SetControlId(variant_, IDC_VARIANT);
    const int firstName = first_ == BurstEngine::kBurst ? IDS_BURST : IDS_EARTH_QUAKE;
    for (int i = 0; i < 3; ++i)
        variant_->addItem(QString::fromStdString(RubberString(firstName + i)));
    layout->addWidget(variant_);
    connect(variant_, &QComboBox::activated, this, [this](int index) {
        params_->type = first_ + index;
        ShowSizeLabel();
        ProcessPreview();
    });

    size_ = AddTrackBar(layout, {"", IDC_SIZE, IDC_SIZE_EDIT, 4, 100, 10, 4, 100},
                        [this](int32_t v) { params_->size = std::max(4, v); });
    // The label that AddTrackBar made names the track bar it stands for.
    for (QLabel* label : findChildren<QLabel*>())
        if (label->buddy() == size_->Slider())
            sizeLabel_ = label;
    fw::SetControlId(sizeLabel_, IDC_SIZE_LABEL);

    freeze_ = new QCheckBox("&Freeze", this);
    fw::SetControlId(freeze_, IDC_FREEZE);
    layout->addWidget(freeze_);
    connect(freeze_, &QCheckBox::clicked, this, [this](bool on) {
        params_->freeze = on ? 1 : 0;
        ProcessPreview();
    });
}

void BurstDialog::ShowSizeLabel()
{
    sizeLabel_->setText(
        QString::fromStdString(RubberString(BurstEngine::Scatters(params_->type) ? IDS_DENSITY : IDS_PEAKS)));
}

bool BurstDialog::OnInitDialog()
{
    int32_t variant = ReadSetting("Type", first_);
    // A variant of the other family (an edited settings file) starts from
    // this family's first.
    if (variant < first_ || variant > first_ + 2)
        variant = first_;
    params_->type = variant;
    variant_->setCurrentIndex(variant - first_);
    ShowSizeLabel();
    strength_->SetPosition(ReadSetting("Strength", 50));
    params_->strength = std::max(1, strength_->Slider()->value());
    size_->SetPosition(ReadSetting("Size", BurstEngine::Scatters(variant) ? 70 : 10));
    params_->size = size_->Slider()->value();
    params_->freeze = ReadSetting("Freeze", 0) != 0 ? 1 : 0;
    freeze_->setChecked(params_->freeze != 0);
    SevenLongDialog::OnInitDialog();
    ProcessPreview();
    return true;
}

void BurstDialog::OnOK()
{
    WriteSetting("Strength", params_->strength);
    WriteSetting("Size", params_->size);
    WriteSetting("Type", params_->type);
    WriteSetting("Freeze", params_->freeze);
    SevenLongDialog::OnOK();
}
