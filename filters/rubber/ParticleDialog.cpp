#include "filters/rubber/ParticleDialog.h"

#include "filters/frame/ZvSfAngleClass.h"
#include "filters/rubber/ParticleEngine.h"
#include "filters/rubber/TrackBarEdit.h"
#include "framework/ControlId.h"

#include <QCheckBox>
#include <QLayout>
#include <QSlider>
#include <algorithm>

const ParticleDialog::Layout& ParticleDialog::LayoutOf(int32_t type)
{
    static const Layout gravity{IDD_GRAVITY, "Gravity", "Gravity", 0, 1038, 1026, 1039, 1027, "Wetness", 10, 1, 0, 0, 0};
    static const Layout wind{IDD_WIND, "Wind", "Wind", 11, 1042, 1026, 1041, 1027, "Wetness", 10, 1, 1040, 1028, 1010};
    static const Layout storm{IDD_STORM, "Storm", "Pixel storm", 7, 1044, 1026, 1045, 1046, "Density", 100, 10,
                              1049, 1048, 1047};
    return type == ParticleEngine::kWind ? wind : type == ParticleEngine::kPixelStorm ? storm : gravity;
}

ParticleDialog::ParticleDialog(int32_t type, SevenLongParams* params, PreviewTile* tile, FilterEngine* engine,
                               QWidget* parent)
    : SevenLongDialog(LayoutOf(type).templateId, LayoutOf(type).section, params, tile, engine, LayoutOf(type).help,
                      parent),
      layout_(LayoutOf(type))
{
}

void ParticleDialog::CreateControls()
{
    SevenLongDialog::CreateControls();
    setWindowTitle(layout_.title);
}

void ParticleDialog::CreateFilterControls(QLayout* layout)
{
    const Layout& l = layout_;
    strength_ = AddTrackBar(layout, {"&Strength (1...100):", l.strength, l.strengthEdit, 1, 100, 10, 1, 100},
                            [this](int32_t v) { params_->strength = std::max(1, v); });
    const QString second =
        QString("&%1 (1...%2):").arg(l.secondKey == std::string("Density") ? "Density" : "Wetness").arg(l.secondMax);
    second_ = AddTrackBar(layout, {second, l.second, l.secondEdit, 1, l.secondMax, l.secondTick, 1, l.secondMax},
                          [this](int32_t v) { params_->size = std::max(1, v); });
    if (l.direction) {
        direction_ = AddTrackBar(layout, {"&Direction (0...359):", l.direction, l.directionEdit, 0, 359, 36, 0, 359},
                                 [this](int32_t v) { params_->direction = v; });
        dial_ = new ZvSfAngleClass(this);
        fw::SetControlId(dial_, l.dial);
        dial_->setFixedSize(48, 48);
        layout->addWidget(dial_);
        // The dial follows the track bar, dragged or not; the track bar,
        // its edit box and the direction follow the dial.
        connect(direction_->Slider(), &QAbstractSlider::sliderMoved, this, [this](int v) { dial_->SetAngle(v - 90); });
        connect(direction_->Slider(), &QAbstractSlider::valueChanged, this, [this](int v) { dial_->SetAngle(v - 90); });
        dial_->SetScrollHandler([this](uint32_t, int32_t angle, ZvSfAngleClass*) {
            direction_->SetPosition(angle);
            params_->direction = angle;
            ProcessPreview();
        });
    }
    freeze_ = new QCheckBox("&Freeze", this);
    fw::SetControlId(freeze_, IDC_FREEZE);
    layout->addWidget(freeze_);
    connect(freeze_, &QCheckBox::clicked, this, [this](bool on) {
        params_->freeze = on ? 1 : 0;
        ProcessPreview();
    });
}

bool ParticleDialog::OnInitDialog()
{
    const Layout& l = layout_;
    strength_->SetPosition(ReadSetting("Strength", 50));
    params_->strength = std::max(1, strength_->Slider()->value());
    second_->SetPosition(ReadSetting(l.secondKey, l.secondMax == 10 ? 5 : 50));
    params_->size = std::max(1, second_->Slider()->value());
    if (direction_) {
        direction_->SetPosition(ReadSetting("Direction", 90));
        params_->direction = direction_->Slider()->value();
        dial_->SetAngle(params_->direction - 90);
    }
    SevenLongDialog::OnInitDialog();
    ProcessPreview();
    return true;
}

void ParticleDialog::OnOK()
{
    WriteSetting("Strength", params_->strength);
    WriteSetting(layout_.secondKey, params_->size);
    WriteSetting("Direction", params_->direction);
    WriteSetting("Freeze", params_->freeze);
    SevenLongDialog::OnOK();
}
