// Pinch (variant 0) squeezes the picture towards its centre; Punch
// (variant 1) pushes it out. Both use one dialog template.
#pragma once

#include "filters/rubber/AnalyticFilter.h"

class PinchFilter : public AnalyticFilter {
public:
    explicit PinchFilter(int32_t variant);

    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) override;
};
