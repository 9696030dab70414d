// The dialog base of every art filter: the preview crop (control 10006),
// which the user may drag across the image, the "&Preview" switch (1000,
// kept in the module's settings), OK, Cancel and "&Help", and up to five
// sliders, each with a number field and a parameter. Param1..Param7 are
// read from the filter's settings section when the dialog opens (they win
// over the block) and written back on OK; Cancel writes nothing.
#pragma once

#include "filters/art/frame/ArtParams.h"
#include "filters/art/frame/PreviewDragControl.h"
#include "framework/Dialog.h"

#include <array>
#include <cstdint>
#include <string>

class FilterEngine;
class PreviewTile;
class QCheckBox;
class QLabel;
class QSlider;
class QVBoxLayout;

class ArtFilterDialog : public fw::Dialog, public PreviewDragListener {
public:
    static constexpr uint32_t IDC_PREVIEW_SWITCH = 1000;
    static constexpr uint32_t IDC_PREVIEW = 10006;
    static constexpr uint32_t ID_HELP = 9;

    // The trackbar codes a slider reports with.
    enum ScrollCode : uint32_t {
        kLineUp = 0,
        kLineDown = 1,
        kPageUp = 2,
        kPageDown = 3,
        kThumbPosition = 4,
        kThumbTrack = 5,
        kTop = 6,
        kBottom = 7,
        kEndTrack = 8,
    };

    // Slider, its number field and the parameter it sets, slot by slot.
    struct SliderSlot {
        uint32_t slider;
        uint32_t number;
        int32_t param;
    };
    static constexpr int32_t kSlotCount = 5;
    static constexpr std::array<SliderSlot, kSlotCount> kSlots{
        {{1001, 1010, 1}, {1002, 1012, 2}, {1004, 1013, 3}, {1006, 1015, 4}, {1008, 1018, 5}}};

    ArtFilterDialog(uint32_t templateId, std::string section, uint32_t helpContext, ArtParams& params,
                    PreviewTile* tile, FilterEngine* engine, QWidget* parent = nullptr);

    uint32_t TemplateId() const { return templateId_; }
    ArtParams& Params() { return params_; }
    bool ShowFlag() const { return show_; }
    PreviewDragControl* Preview() const { return preview_; }

    // Filters the crop when the preview is on; repaint shows it at once.
    void UpdatePreview(bool repaint);
    // Moves the crop by (dx, dy) within the filter area and fetches it.
    void MovePreview(int32_t dx, int32_t dy);
    // A slider's report (the dialog's horizontal scroll message).
    virtual void OnHScroll(uint32_t code, int32_t position, uint32_t sliderId);

    void OnDragBegin() override;
    void OnDragStep(int32_t dx, int32_t dy) override;
    void OnDragEnd() override;

protected:
    void CreateControls() override;
    // The filter's controls, beside the preview.
    virtual void CreateFilterControls(QVBoxLayout*) {}
    // A labelled slider of slot (0..4) with its number field.
    QSlider* AddSlider(QVBoxLayout* layout, int32_t slot, const QString& label);
    // Sets slot's range and tick spacing and shows its parameter there; a
    // value outside the range (damaged settings) is brought into it.
    void SetSlider(int32_t slot, int32_t min, int32_t max, int32_t tick);
    bool OnInitDialog() override;
    void OnCommand(uint32_t id) override;
    void OnOK() override;
    // The id of the "&Help" button; modules on this frame differ in it.
    virtual uint32_t HelpButtonId() const { return ID_HELP; }
    // Stores a value the filter's own control chose and shows it.
    void SetParam(int32_t k, int32_t value);

    FilterEngine* engine_;
    PreviewTile* tile_;

private:
    static int32_t SlotOf(uint32_t sliderId);
    void SetNumber(int32_t slot, int32_t value);
    void WriteSettings();

    uint32_t templateId_;
    std::string section_;
    uint32_t helpContext_;
    ArtParams& params_;
    PreviewDragControl* preview_ = nullptr;
    QCheckBox* previewSwitch_ = nullptr;
    std::array<QSlider*, kSlotCount> sliders_{};
    std::array<QLabel*, kSlotCount> numbers_{};
    bool show_ = true;
    bool savedShow_ = true;
};
