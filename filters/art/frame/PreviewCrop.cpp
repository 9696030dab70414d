#include "filters/art/frame/PreviewCrop.h"

#include "filters/frame/HostRoutines.h"
#include "filters/frame/PreviewTile.h"

#include <algorithm>
#include <cstring>

namespace {

int32_t Fail(int32_t result)
{
    FrameState().result = result;
    return result;
}

} // namespace

VBox PreviewCropBox(const Rect& f)
{
    const int32_t fw = f.right - f.left;
    const int32_t fh = f.bottom - f.top;
    const int32_t pw = std::min(kPreviewCropSide, fw);
    const int32_t ph = std::min(kPreviewCropSide, fh);
    const int32_t left = f.left + (fw - pw) / 2;
    const int32_t top = f.top + (fh - ph) / 2;
    return VBox{left, top, left + pw, top + ph};
}

VBox MovedCropBox(const Rect& f, const Rect& current, int32_t w, int32_t h, int32_t dx, int32_t dy)
{
    const int32_t left = std::min(std::max(current.left + dx, int32_t{f.left}), f.right - w);
    const int32_t top = std::min(std::max(current.top + dy, int32_t{f.top}), f.bottom - h);
    return VBox{left, top, left + w, top + h};
}

int32_t FetchCrop(const VBox& box, PreviewTile& tile)
{
    FilterModuleState& state = FrameState();
    FilterRecord& r = *state.record;
    const int32_t w = std::min(box.right - box.left, r.filterRect.right - r.filterRect.left);
    const int32_t h = std::min(box.bottom - box.top, r.filterRect.bottom - r.filterRect.top);
    // An empty filter area has nothing to show.
    if (w <= 0 || h <= 0 || r.planes <= 0)
        return Fail(filterBadParameters);
    const Rect crop{int16_t(box.top), int16_t(box.left), int16_t(box.top + h), int16_t(box.left + w)};
    r.inRect = r.outRect = crop;
    if (r.haveMask)
        r.maskRect = crop;
    r.inLoPlane = r.outLoPlane = 0;
    r.inHiPlane = r.outHiPlane = int16_t(r.planes - 1);
    r.inputRate = PI_FIXED_ONE;
    if (r.haveMask)
        r.maskRate = PI_FIXED_ONE;
    r.inputPadding = r.outputPadding = -1;
    if (r.haveMask && r.isFloating)
        r.maskPadding = -1;

    state.advanceHost();
    if (state.result != 0)
        return state.result;
    if (r.inData && r.outData)
        state.deferredAdvance = false;
    if (state.deferredAdvance)
        return 0; // the host delivers the crop before its next Continue
    if (!r.inData)
        return Fail(filterBadParameters);

    // The preview filters into a copy of its own, never into the host's
    // output: a cancelled dialog must leave the picture as it was, and
    // filters that paint over the output rely on it holding the unfiltered
    // pixels.
    if (!tile.AllocateOwnBuffer(w, h, r.planes))
        return Fail(memFullErr);
    tile.planes = r.planes;
    tile.width = w;
    tile.height = h;
    const auto* in = static_cast<const uint8_t*>(r.inData);
    const size_t rowBytes = size_t(w) * size_t(r.planes);
    for (int32_t y = 0; y < h; ++y) {
        std::memcpy(tile.UnfilteredAt(0, y), in + size_t(y) * size_t(r.inRowBytes), rowBytes);
        std::memcpy(tile.WorkingAt(0, y), in + size_t(y) * size_t(r.inRowBytes), rowBytes);
    }
    tile.mask = r.maskData;
    tile.hostMasks = true;
    tile.display = r.displayPixels;
    return 0;
}
