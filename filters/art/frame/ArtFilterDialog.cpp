#include "filters/art/frame/ArtFilterDialog.h"

#include "base/QnExcept.h"
#include "filters/art/frame/PreviewCrop.h"
#include "filters/frame/FilterEngine.h"
#include "filters/frame/FilterModuleApp.h"
#include "filters/frame/FilterModuleState.h"
#include "filters/frame/PreviewTile.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "framework/MessageBox.h"

#include <QCheckBox>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The crop is at most 180 x 180; the control is fitted to it around the
// frame's centre.
constexpr int kPreviewFrame = 186;

std::string ParamKey(int32_t k) { return "Param" + std::to_string(k); }

// The trackbar code of a slider action; -1 for none.
int32_t CodeOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return ArtFilterDialog::kLineUp;
    case QAbstractSlider::SliderSingleStepAdd: return ArtFilterDialog::kLineDown;
    case QAbstractSlider::SliderPageStepSub: return ArtFilterDialog::kPageUp;
    case QAbstractSlider::SliderPageStepAdd: return ArtFilterDialog::kPageDown;
    case QAbstractSlider::SliderToMinimum: return ArtFilterDialog::kTop;
    case QAbstractSlider::SliderToMaximum: return ArtFilterDialog::kBottom;
    case QAbstractSlider::SliderMove: return ArtFilterDialog::kThumbTrack;
    default: return -1;
    }
}

} // namespace

ArtFilterDialog::ArtFilterDialog(uint32_t templateId, std::string section, uint32_t helpContext, ArtParams& params,
                                 PreviewTile* tile, FilterEngine* engine, QWidget* parent)
    : fw::Dialog(parent), engine_(engine), tile_(tile), templateId_(templateId), section_(std::move(section)),
      helpContext_(helpContext), params_(params)
{
    helpId = helpContext;
}

void ArtFilterDialog::CreateControls()
{
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* frame = new QWidget(this);
    frame->setFixedSize(kPreviewFrame, kPreviewFrame);
    preview_ = new PreviewDragControl(frame);
    fw::SetControlId(preview_, IDC_PREVIEW);
    preview_->setGeometry(0, 0, kPreviewFrame, kPreviewFrame);
    left->addWidget(frame, 0, Qt::AlignHCenter);
    previewSwitch_ = new QCheckBox("&Preview", this);
    fw::SetControlId(previewSwitch_, IDC_PREVIEW_SWITCH);
    left->addWidget(previewSwitch_);
    left->addStretch();
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    CreateFilterControls(right);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddButton(fw::IDOK, "OK"));
    buttons->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    buttons->addWidget(AddButton(HelpButtonId(), "&Help"));
    right->addLayout(buttons);
    layout->addLayout(right);
}

QSlider* ArtFilterDialog::AddSlider(QVBoxLayout* layout, int32_t slot, const QString& label)
{
    const SliderSlot& s = kSlots[size_t(slot)];
    auto* row = new QHBoxLayout;
    auto* text = new QLabel(label, this);
    auto* number = new QLabel(this);
    fw::SetControlId(number, s.number);
    number->setMinimumWidth(32);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(text);
    row->addStretch();
    row->addWidget(number);
    layout->addLayout(row);
    auto* slider = new QSlider(Qt::Horizontal, this);
    fw::SetControlId(slider, s.slider);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setMinimumWidth(200);
    text->setBuddy(slider);
    layout->addWidget(slider);
    sliders_[size_t(slot)] = slider;
    numbers_[size_t(slot)] = number;

    const uint32_t id = s.slider;
    connect(slider, &QAbstractSlider::actionTriggered, this, [this, slider, id](int action) {
        const int32_t code = CodeOf(action);
        if (code >= 0)
            fw::GuardedCall([&] { OnHScroll(uint32_t(code), slider->sliderPosition(), id); });
    });
    connect(slider, &QAbstractSlider::sliderReleased, this, [this, slider, id] {
        fw::GuardedCall([&] { OnHScroll(kThumbPosition, slider->value(), id); });
    });
    return slider;
}

void ArtFilterDialog::SetSlider(int32_t slot, int32_t min, int32_t max, int32_t tick)
{
    QSlider* slider = sliders_[size_t(slot)];
    int32_t& param = params_.Param(kSlots[size_t(slot)].param);
    param = std::clamp(param, min, max);
    if (slider) {
        const QSignalBlocker block(slider);
        slider->setRange(min, max);
        slider->setTickInterval(tick);
        slider->setPageStep(tick);
        slider->setValue(param);
    }
    SetNumber(slot, param);
}

void ArtFilterDialog::SetNumber(int32_t slot, int32_t value)
{
    if (QLabel* number = numbers_[size_t(slot)])
        number->setText(QString::number(value));
}

int32_t ArtFilterDialog::SlotOf(uint32_t sliderId)
{
    for (int32_t slot = 0; slot < kSlotCount; ++slot)
        if (kSlots[size_t(slot)].slider == sliderId)
            return slot;
    return -1;
}

bool ArtFilterDialog::OnInitDialog()
{
    fw::Dialog::OnInitDialog();
    const platform::IniFile& profile = FilterModuleApp::Get().Profile();
    for (int32_t k = 1; k <= ArtParams::kParamCount; ++k)
        params_.Param(k) = profile.GetInt(section_, ParamKey(k), params_.Param(k));
    show_ = profile.GetInt("PREVIEW", "SHOW", 1) != 0;
    previewSwitch_->setChecked(show_);
    preview_->SetShow(show_);
    preview_->SetTile(tile_);
    preview_->SetEngine(engine_);
    preview_->SetListener(this);
    preview_->FitToTile();
    UpdatePreview(false);
    return true;
}

void ArtFilterDialog::UpdatePreview(bool repaint)
{
    if (preview_->Engine() && tile_ && show_) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        preview_->Engine()->RunOnPreview(*tile_);
        QGuiApplication::restoreOverrideCursor();
    }
    if (repaint)
        preview_->repaint();
}

void ArtFilterDialog::OnHScroll(uint32_t code, int32_t position, uint32_t sliderId)
{
    const int32_t slot = SlotOf(sliderId);
    switch (code) {
    case kThumbTrack:
        // The number follows the thumb; the filter runs once it is let go.
        if (slot >= 0)
            SetNumber(slot, position);
        break;
    case kLineUp:
    case kLineDown:
    case kPageUp:
    case kPageDown:
    case kThumbPosition:
    case kTop: // Home moves the slider like End does: the value must follow it
    case kBottom:
        if (slot >= 0) {
            SetNumber(slot, position);
            params_.Param(kSlots[size_t(slot)].param) = position;
        }
        UpdatePreview(true);
        break;
    default: break;
    }
}

void ArtFilterDialog::OnCommand(uint32_t id)
{
    if (id == HelpButtonId()) {
        FilterModuleApp::Get().WinHelp(helpContext_);
        return;
    }
    if (id == IDC_PREVIEW_SWITCH) {
        show_ = previewSwitch_->isChecked();
        preview_->SetShow(show_);
        UpdatePreview(true);
        return;
    }
    fw::Dialog::OnCommand(id);
}

void ArtFilterDialog::SetParam(int32_t k, int32_t value)
{
    params_.Param(k) = value;
    UpdatePreview(true);
}

void ArtFilterDialog::MovePreview(int32_t dx, int32_t dy)
{
    FilterModuleState& state = FrameState();
    if (!tile_ || !state.record || !state.fetchPreview || tile_->width <= 0 || tile_->height <= 0)
        return;
    const VBox box = MovedCropBox(state.record->filterRect, state.record->outRect, tile_->width, tile_->height, dx, dy);
    if (state.fetchPreview(box, *tile_) != 0) {
        // The host's buffers are gone with its error: show nothing rather
        // than read them.
        tile_->width = tile_->height = 0;
        tile_->unfiltered = tile_->working = nullptr;
    }
    preview_->repaint();
}

void ArtFilterDialog::OnDragBegin()
{
    savedShow_ = show_;
    show_ = false;
    preview_->SetShow(false);
}

void ArtFilterDialog::OnDragStep(int32_t dx, int32_t dy) { MovePreview(dx, dy); }

void ArtFilterDialog::OnDragEnd()
{
    show_ = savedShow_;
    preview_->SetShow(show_);
    UpdatePreview(true);
}

void ArtFilterDialog::WriteSettings()
{
    platform::IniFile& profile = FilterModuleApp::Get().Profile();
    try {
        profile.WriteInt("PREVIEW", "SHOW", show_ ? 1 : 0);
        for (int32_t k = 1; k <= ArtParams::kParamCount; ++k)
            profile.WriteInt(section_, ParamKey(k), params_.Param(k));
    } catch (const QnExcept&) {
        // The values hold for this run through the block; the settings keep
        // the old ones.
    }
}

void ArtFilterDialog::OnOK()
{
    WriteSettings();
    fw::Dialog::OnOK();
}
