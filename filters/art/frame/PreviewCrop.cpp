#include "filters/art/frame/PreviewCrop.h"

#include "filters/frame/HostRoutines.h"
#include "filters/frame/PreviewTile.h"

#include <algorithm>

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
    if (w <= 0 || h <= 0 || r.planes <= 0) {
        // An empty filter area has nothing to show.
        state.result = filterBadParameters;
        return state.result;
    }
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

    tile.planes = r.planes;
    tile.width = w;
    tile.height = h;
    tile.unfiltered = static_cast<uint8_t*>(r.inData);
    tile.unfilteredRowBytes = r.inRowBytes;
    tile.working = static_cast<uint8_t*>(r.outData);
    tile.workingRowBytes = r.outRowBytes;
    tile.mask = r.maskData;
    tile.ownsBuffer = false;
    tile.hostMasks = true;
    tile.display = r.displayPixels;
    return 0;
}
