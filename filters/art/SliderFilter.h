// An art filter given by tables: its entry's settings, the dialog's sliders
// (whose defaults the block starts with), the ring its engine asks for at
// the defaults, and the engine's maker. A filter without a dialog title has
// neither parameters nor dialog.
#pragma once

#include "filters/art/ArtSliderDialog.h"
#include "filters/art/frame/ArtFilter.h"

#include <memory>

class FilterEngine;

// The engine of one run; params is null for a filter without parameters.
using ArtEngineMaker = std::unique_ptr<FilterEngine> (*)(FilterRecord* record, ArtParams* params);

struct SliderFilterLayout {
    ArtFilterInfo info;
    ArtDialogLayout dialog;
    // The ring stored with the defaults.
    int32_t ringMargin;
    int32_t ringSize;
    ArtEngineMaker engine;
};

class SliderFilter : public ArtFilter {
public:
    explicit SliderFilter(const SliderFilterLayout& layout) : ArtFilter(layout.info), layout_(layout) {}

    const SliderFilterLayout& Layout() const { return layout_; }

    void Defaults(ArtParams& params) const override;
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) override;
    std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine) override;

private:
    SliderFilterLayout layout_;
};
