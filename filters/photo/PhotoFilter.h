// One filter of the photo module: an art-frame filter whose engine reads a
// window of columns x rows around each pixel. The window doubles as the
// ring's margin and size, and is what the filter keeps in its block's ring
// slots. Its dialog carries the module's context-help numbers.
#pragma once

#include "filters/art/frame/ArtFilter.h"

#include <array>
#include <cstdint>

struct PhotoFilterInfo {
    ArtFilterInfo art;
    // The window of the engine at its defaults (columns, rows).
    int32_t windowColumns;
    int32_t windowRows;
};

class PhotoFilter : public ArtFilter {
public:
    // Every dialog of the module opens help topic 3 but SmTune's, which
    // opens none.
    static constexpr uint32_t kDialogHelp = 3;

    explicit PhotoFilter(const PhotoFilterInfo& info) : ArtFilter(info.art), photo_(info) {}

    // The filter's Param1 and Param2 at a new block; the rest of the block
    // stays zero.
    virtual void ParamDefaults(ArtParams& params) const = 0;
    void Defaults(ArtParams& params) const final;

private:
    PhotoFilterInfo photo_;
};
