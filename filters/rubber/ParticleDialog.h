// The dialogs of Gravity, Wind and Pixel storm: the strength, the wetness
// (Gravity, Wind) or the density (Pixel storm), the direction with its
// track bar and dial (Wind, Pixel storm), and "Freeze", which these
// dialogs leave unticked at the start whatever the block holds.
#pragma once

#include "filters/rubber/SevenLongDialog.h"

class QCheckBox;
class TrackBarEdit;
class ZvSfAngleClass;

class ParticleDialog : public SevenLongDialog {
public:
    static constexpr uint32_t IDD_GRAVITY = 165;
    static constexpr uint32_t IDD_WIND = 166;
    static constexpr uint32_t IDD_STORM = 167;
    static constexpr uint32_t IDC_FREEZE = 1008;

    // The controls of one family.
    struct Layout {
        uint32_t templateId;
        const char* section;
        const char* title;
        uint32_t help;
        uint32_t strength, strengthEdit;
        uint32_t second, secondEdit;
        const char* secondKey;
        int32_t secondMax, secondTick;
        uint32_t direction, directionEdit, dial; // 0: none
    };
    static const Layout& LayoutOf(int32_t type);

    ParticleDialog(int32_t type, SevenLongParams* params, PreviewTile* tile, FilterEngine* engine,
                   QWidget* parent = nullptr);

protected:
    void CreateControls() override;
    void CreateFilterControls(QLayout* layout) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    const Layout& layout_;
    TrackBarEdit* strength_ = nullptr;
    TrackBarEdit* second_ = nullptr;
    TrackBarEdit* direction_ = nullptr;
    ZvSfAngleClass* dial_ = nullptr;
    QCheckBox* freeze_ = nullptr;
};
