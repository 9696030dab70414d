// Pinch, Punch, Wave and Whirl as the dispatcher sees them: the seven-long
// block with the filter's type written at Start, and the engine they
// share. Each gives its dialog.
#pragma once

#include "filters/rubber/SevenLongFilter.h"

class AnalyticFilter : public SevenLongFilter {
public:
    using SevenLongFilter::SevenLongFilter;

    std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) override;
};
