// The dialog of Automatic brush and Oil paint: size, aspect, edge and angle
// sliders, the brush display (control 1007) that opens the brush list, and
// "angle follows the picture" (check box 1032). Bitmap brushes have no
// aspect or edge: their rows are hidden and the angle row takes the aspect
// row's place.
#pragma once

#include "filters/art/ArtSliderDialog.h"

#include <cstdint>

class DibControl;
class QCheckBox;
class QMenu;

class BrushDialog : public ArtSliderDialog {
public:
    static constexpr uint32_t IDC_BRUSH = 1007;
    static constexpr uint32_t IDC_AUTO_ANGLE = 1032;

    BrushDialog(const ArtFilterInfo& info, const char* title, ArtParams& params, PreviewTile* tile,
                FilterEngine* engine);

    void OnHScroll(uint32_t code, int32_t position, uint32_t sliderId) override;
    // The brush list, shown at the brush display's centre (null until
    // the dialog opens).
    QMenu* BrushMenu() const { return menu_; }
    // Whether the rows of a generated brush are laid out (aspect and edge
    // shown, angle in its own row).
    bool GeneratedLayout() const { return generatedLayout_; }

protected:
    void CreateFilterControls(QVBoxLayout* layout) override;
    bool OnInitDialog() override;
    void OnCommand(uint32_t id) override;

private:
    void SetBrushWindow();
    void ApplyLayout();
    void ShowRow(int32_t slot, bool shown);

    DibControl* brush_ = nullptr;
    QCheckBox* autoAngle_ = nullptr;
    QMenu* menu_ = nullptr;
    QVBoxLayout* rows_ = nullptr;
    bool generatedLayout_ = true;
};
