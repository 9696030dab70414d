// Wave ripples the picture along its rows, its columns or out from its
// centre.
#pragma once

#include "filters/rubber/AnalyticFilter.h"

class WaveFilter : public AnalyticFilter {
public:
    WaveFilter();

    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) override;
};
