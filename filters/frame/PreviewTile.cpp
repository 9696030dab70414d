#include "filters/frame/PreviewTile.h"

#include <new>

int32_t PreviewTile::Fetch(const VBox& box, FilterRecord* record)
{
    FilterModuleState& state = FrameState();
    state.record = record;
    if (!state.fetchPreview) {
        state.result = filterBadParameters;
        return state.result;
    }
    // A fetch resumed by a later Continue goes on with the box it began
    // with, whatever box the caller names then.
    if (!fetched_) {
        box_ = box;
        fetched_ = true;
    }
    return state.fetchPreview(box_, *this);
}

void PreviewTile::Paint(void* dc)
{
    FilterModuleState& state = FrameState();
    // Nothing to show before a fetch has completed.
    if (!display || !state.fillPixelMap || width <= 0 || height <= 0)
        return;
    state.fillPixelMap(*this);
    display(&pixelMap.map, &pixelMap.map.bounds, 0, 0, dc);
}

bool PreviewTile::AllocateOwnBuffer(int32_t w, int32_t h, int32_t p)
{
    const size_t half = size_t(w) * size_t(h) * size_t(p);
    try {
        buffer_.assign(2 * half, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    unfiltered = buffer_.data();
    working = buffer_.data() + half;
    unfilteredRowBytes = workingRowBytes = w * p;
    ownsBuffer = true;
    return true;
}
