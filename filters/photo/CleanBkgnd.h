// CleanBkgnd, a selective smoothing: each sample becomes the mean of the
// samples of its window that lie within 40 of it, so that noise is calmed
// and edges stay. Param1 is the window's side (1..30).
#pragma once

#include "filters/photo/PhotoFilter.h"

#include <cstdint>

// The window's side for Param1, held to the slider's range.
int32_t CleanBkgndSize(int32_t p1);
// One output row from size window rows (oldest first, each from its first
// margin pixel; margin >= size).
void CleanBkgndRow(const uint8_t* const* rows, int32_t size, int32_t margin, int32_t width, int32_t planes,
                   uint8_t* out);

class CleanBkgndFilter : public PhotoFilter {
public:
    CleanBkgndFilter();

    void ParamDefaults(ArtParams& params) const override;
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) override;
    std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine) override;
};
