// The dialog of most art filters: the frame's dialog base with one row per
// slider of the filter's table and, for the filters whose Param1 is an
// angle, a display of it (control 1022) that follows slider 1001.
#pragma once

#include "filters/art/ArtSliders.h"
#include "filters/art/frame/ArtFilter.h"
#include "filters/art/frame/ArtFilterDialog.h"

#include <span>

class QWidget;

enum class ArtAngleShown { None, Needle, Strokes };

struct ArtDialogLayout {
    const char* title;
    std::span<const ArtSlider> sliders;
    ArtAngleShown angle = ArtAngleShown::None;
};

class ArtSliderDialog : public ArtFilterDialog {
public:
    static constexpr uint32_t IDC_ANGLE = 1022;

    ArtSliderDialog(const ArtFilterInfo& info, const ArtDialogLayout& layout, ArtParams& params, PreviewTile* tile,
                    FilterEngine* engine);

    void OnHScroll(uint32_t code, int32_t position, uint32_t sliderId) override;
    // The angle the display shows; -1 without one.
    int32_t ShownAngle() const;

protected:
    void CreateFilterControls(QVBoxLayout* layout) override;
    bool OnInitDialog() override;

private:
    void ShowAngle(int32_t degrees);

    ArtDialogLayout layout_;
    QWidget* angle_ = nullptr;
};
