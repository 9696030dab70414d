// Mosaic: the picture cut into square cells of one colour each, the cells
// aligned to multiples of their size. Param1 is the cell's side (1..100).
#pragma once

#include "filters/photo/PhotoFilter.h"

#include <cstdint>

// The cell's side for Param1, held to the slider's range.
int32_t MosaicSize(int32_t p1);
// Output row row from size window rows (oldest first, the current row
// last, each from its first margin pixel): every pixel takes the top-left
// pixel of its cell, columns counted from the row's first pixel.
void MosaicRow(const uint8_t* const* rows, int32_t size, int32_t margin, int32_t width, int32_t planes, int32_t row,
               uint8_t* out);

class MosaicFilter : public PhotoFilter {
public:
    MosaicFilter();

    void ParamDefaults(ArtParams& params) const override;
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) override;
    std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine) override;
};
