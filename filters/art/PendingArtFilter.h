// An entry of the module whose filter this build does not carry yet: it
// keeps the entry's settings section, dialog and help numbers, makes its
// parameter block at Parameters and refuses to run at Start, so that a
// host gets an error rather than an unchanged picture reported as done.
#pragma once

#include "filters/art/frame/ArtFilter.h"
#include "filters/frame/FilterEngine.h"

class PendingArtFilter : public ArtFilter {
public:
    explicit PendingArtFilter(const ArtFilterInfo& info) : ArtFilter(info) {}

    bool Available() const override { return false; }
    void Defaults(ArtParams&) const override {}
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord*, ArtParams*) override { return nullptr; }
};
