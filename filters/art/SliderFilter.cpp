#include "filters/art/SliderFilter.h"

#include "filters/frame/FilterEngine.h"

void SliderFilter::Defaults(ArtParams& params) const
{
    SliderDefaults(params, layout_.dialog.sliders);
    params.ringMargin = layout_.ringMargin;
    params.ringSize = layout_.ringSize;
}

std::unique_ptr<FilterEngine> SliderFilter::MakeEngine(FilterRecord* record, ArtParams* params)
{
    return layout_.engine(record, params);
}

std::unique_ptr<ArtFilterDialog> SliderFilter::MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
{
    if (!layout_.dialog.title)
        return nullptr;
    return std::make_unique<ArtSliderDialog>(Info(), layout_.dialog, params, tile, engine);
}
