#include "filters/art/ArtSliderDialog.h"

#include "filters/art/frame/ArtAngleDisplay.h"
#include "filters/art/frame/StrokeAngleDisplay.h"
#include "framework/ControlId.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

ArtSliderDialog::ArtSliderDialog(const ArtFilterInfo& info, const ArtDialogLayout& layout, ArtParams& params,
                                 PreviewTile* tile, FilterEngine* engine)
    : ArtFilterDialog(info.templateId, info.section, info.helpContext, params, tile, engine), layout_(layout)
{
    setWindowTitle(layout.title);
}

void ArtSliderDialog::CreateFilterControls(QVBoxLayout* layout)
{
    for (const ArtSlider& s : layout_.sliders)
        AddSlider(layout, s.param - 1, s.label);
    if (layout_.angle == ArtAngleShown::None)
        return;
    auto* row = new QHBoxLayout;
    if (layout_.angle == ArtAngleShown::Needle) {
        angle_ = new ArtAngleDisplay(this);
        angle_->setFixedSize(48, 48);
    } else {
        angle_ = new StrokeAngleDisplay(this);
        angle_->setFixedSize(72, 48);
    }
    fw::SetControlId(angle_, IDC_ANGLE);
    row->addStretch();
    row->addWidget(angle_);
    row->addStretch();
    layout->addLayout(row);
}

bool ArtSliderDialog::OnInitDialog()
{
    ArtFilterDialog::OnInitDialog();
    for (const ArtSlider& s : layout_.sliders)
        SetSlider(s.param - 1, s.min, s.max, s.tick);
    ShowAngle(Params().Param(1));
    // The values the settings gave may have been held to the ranges.
    UpdatePreview(false);
    return true;
}

void ArtSliderDialog::OnHScroll(uint32_t code, int32_t position, uint32_t sliderId)
{
    ArtFilterDialog::OnHScroll(code, position, sliderId);
    // The display follows the number shown, the thumb while it is dragged.
    if (sliderId == kSlots[0].slider && code != kTop && code != kEndTrack)
        ShowAngle(position);
}

void ArtSliderDialog::ShowAngle(int32_t degrees)
{
    if (auto* needle = dynamic_cast<ArtAngleDisplay*>(angle_))
        needle->SetAngle(degrees);
    else if (auto* strokes = dynamic_cast<StrokeAngleDisplay*>(angle_))
        strokes->SetAngle(degrees);
}

int32_t ArtSliderDialog::ShownAngle() const
{
    if (auto* needle = dynamic_cast<ArtAngleDisplay*>(angle_))
        return needle->Angle();
    if (auto* strokes = dynamic_cast<StrokeAngleDisplay*>(angle_))
        return strokes->Angle();
    return -1;
}
