#include "filters/art/SliderFilter.h"

#include "filters/frame/FilterEngine.h"

void SliderFilter::Defaults(ArtParams& params) const
{
    SliderDefaults(params, spec_.dialog.sliders);
    params.ringMargin = spec_.ringMargin;
    params.ringSize = spec_.ringSize;
}

std::unique_ptr<FilterEngine> SliderFilter::MakeEngine(FilterRecord* record, ArtParams* params)
{
    return spec_.engine(record, params);
}

std::unique_ptr<ArtFilterDialog> SliderFilter::MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
{
    if (!spec_.dialog.title)
        return nullptr;
    return std::make_unique<ArtSliderDialog>(Info(), spec_.dialog, params, tile, engine);
}
