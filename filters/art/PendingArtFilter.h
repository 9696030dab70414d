// An entry of the module whose filter this build does not carry yet: it
// keeps the entry's settings section, dialog and help numbers, makes its
// parameter block at Parameters and refuses to run at Start (the
// dispatcher answers filterBadParameters), so that a host gets an error
// rather than an unchanged picture reported as done.
#pragma once

#include "filters/art/frame/ArtFilter.h"
#include "filters/frame/FilterEngine.h"

#include <stdexcept>

class PendingArtFilter : public ArtFilter {
public:
    explicit PendingArtFilter(const ArtFilterInfo& info) : ArtFilter(info) {}

    void Defaults(ArtParams&) const override {}
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord*, ArtParams*) override
    {
        throw std::logic_error("filter not in this build");
    }
};
