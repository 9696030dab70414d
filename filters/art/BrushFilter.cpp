// Automatic brush and Oil paint: one engine and one dialog, told apart by
// their settings section, help context and dialog caption.
#include "filters/art/ArtFilters.h"
#include "filters/art/BrushDialog.h"
#include "filters/art/BrushEngine.h"

#include <new>

namespace {

class BrushFilter : public ArtFilter {
public:
    BrushFilter(const ArtFilterInfo& info, const char* title, bool oilPaint)
        : ArtFilter(info), title_(title), oil_(oilPaint)
    {
    }

    void Defaults(ArtParams& params) const override { SliderDefaults(params, kBrushSliders); }

    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) override
    {
        return std::unique_ptr<FilterEngine>(new (std::nothrow) BrushEngine(record, params, oil_));
    }

    std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine) override
    {
        return std::make_unique<BrushDialog>(Info(), title_, params, tile, engine);
    }

private:
    const char* title_;
    bool oil_;
};

} // namespace

std::unique_ptr<ArtFilter> MakeAutoBrushFilter()
{
    return std::make_unique<BrushFilter>(ArtFilterInfo{"AutoBrush", 145, 0}, "Automatic brush parameters", false);
}

std::unique_ptr<ArtFilter> MakeOilPaintFilter()
{
    return std::make_unique<BrushFilter>(ArtFilterInfo{"OilPaint", 145, 10}, "Oil paint parameters", true);
}
