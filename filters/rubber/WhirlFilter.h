// Whirl turns the picture about its centre, most near the centre and not
// at all at the rim of the inscribed ellipse.
#pragma once

#include "filters/rubber/AnalyticFilter.h"

class WhirlFilter : public AnalyticFilter {
public:
    WhirlFilter();

    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) override;
};
