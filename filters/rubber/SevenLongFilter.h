// The filters of rubber.8bf that share the seven-long block: Parameters
// only makes the block when the host has none and asks for the dialog,
// About is ignored, Start writes the filter's type into the block and the
// preview is fetched into 180 x 180. Each filter gives its engine and its
// dialog.
#pragma once

#include "filters/frame/FilterDefinition.h"
#include "filters/rubber/SevenLongParams.h"

class SevenLongFilter : public FilterDefinition {
public:
    // No type is written at Start.
    static constexpr int32_t kNoType = -1;

    explicit SevenLongFilter(int32_t type = kNoType);

    void SetDefaults(void*) const final {}
    bool ResetsOnParameters() const final { return false; }
    bool HasAbout() const final { return false; }
    void OnStart(void* block) const final;
    VBox StartBox() const final { return VBox{0, 0, 180, 180}; }

    int32_t Type() const { return type_; }
    static SevenLongParams& Params(void* block) { return *static_cast<SevenLongParams*>(block); }

private:
    int32_t type_;
};
