// The three ways of fetching the preview tile from a host.
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

void AskAllPlanes(FilterRecord& r)
{
    r.inLoPlane = r.outLoPlane = 0;
    r.inHiPlane = r.outHiPlane = static_cast<int16_t>(r.planes - 1);
}

int32_t FilterWidth(const FilterRecord& r) { return r.filterRect.right - r.filterRect.left; }
int32_t FilterHeight(const FilterRecord& r) { return r.filterRect.bottom - r.filterRect.top; }

// An empty filter area or a record without planes has nothing to show.
bool Fetchable(const FilterRecord& r) { return FilterWidth(r) > 0 && FilterHeight(r) > 0 && r.planes > 0; }

// The tile keeps the filter area's proportions within the box; a side
// never shrinks below one pixel.
void TileSize(const VBox& box, const FilterRecord& r, int32_t& width, int32_t& height)
{
    const int64_t bw = std::max(1, box.right - box.left);
    const int64_t bh = std::max(1, box.bottom - box.top);
    const int64_t fw = FilterWidth(r);
    const int64_t fh = FilterHeight(r);
    if (fh < fw) {
        width = int32_t(bw);
        height = int32_t(std::max<int64_t>(1, fh * bw / fw));
    } else {
        height = int32_t(bh);
        width = int32_t(std::max<int64_t>(1, fw * bh / fh));
    }
}

// The source row (relative to the filter area) that tile row i shows.
int32_t SourceRow(int32_t i, int32_t filterHeight, int32_t tileHeight)
{
    return int32_t(std::min<int64_t>(filterHeight - 1, int64_t{i} * (filterHeight - 1) / tileHeight));
}

// Copies tile row i from a source row of the filter area into both copies.
void CopyRow(PreviewTile& tile, int32_t i, const uint8_t* source, int32_t filterWidth)
{
    uint8_t* unfiltered = tile.UnfilteredAt(0, i);
    uint8_t* working = tile.WorkingAt(0, i);
    const size_t planes = size_t(tile.planes);
    for (int32_t j = 0; j < tile.width; ++j) {
        const uint8_t* pixel = source + size_t(int64_t{j} * filterWidth / tile.width) * planes;
        std::memcpy(unfiltered + size_t(j) * planes, pixel, planes);
        std::memcpy(working + size_t(j) * planes, pixel, planes);
    }
}

// Sizes the tile and gives it a buffer of its own for a box.
bool MakeOwnTile(const VBox& box, const FilterRecord& r, PreviewTile& tile)
{
    tile.planes = r.planes;
    TileSize(box, r, tile.width, tile.height);
    const int32_t bw = std::max(1, box.right - box.left);
    const int32_t bh = std::max(1, box.bottom - box.top);
    // The box bounds the buffer; a tile side of one pixel may exceed a
    // narrower box.
    if (!tile.AllocateOwnBuffer(std::max(bw, tile.width), std::max(bh, tile.height), r.planes))
        return false;
    tile.hostMasks = false;
    return true;
}

} // namespace

int32_t FetchBySampling(const VBox& box, PreviewTile& tile)
{
    FilterModuleState& state = FrameState();
    FilterRecord& r = *state.record;
    if (!Fetchable(r))
        return Fail(filterBadParameters);
    const int32_t fw = FilterWidth(r);
    const int32_t fh = FilterHeight(r);
    const int32_t bw = std::max(1, box.right - box.left - 2);
    const int32_t bh = std::max(1, box.bottom - box.top - 2);
    auto ceilDiv = [](int32_t a, int32_t b) { return (a + b - 1) / b; };
    const int32_t scale = std::max(ceilDiv(fh, std::min(fh, bh)), ceilDiv(fw, std::min(fw, bw)));

    const Rect& f = r.filterRect;
    const Rect scaled{int16_t(f.top / scale), int16_t(f.left / scale), int16_t(f.bottom / scale),
                      int16_t(f.right / scale)};
    r.inRect = r.outRect = scaled;
    const bool floatingMask = r.haveMask && r.isFloating;
    if (floatingMask)
        r.maskRect = scaled;
    r.inputRate = Fixed(scale) << 16;
    if (r.haveMask)
        r.maskRate = r.inputRate;
    r.inputPadding = r.outputPadding = -1;
    if (floatingMask)
        r.maskPadding = -1;
    AskAllPlanes(r);

    state.advanceHost();
    if (state.result != 0)
        return state.result;
    if (r.outData && r.inData)
        state.deferredAdvance = false;

    tile.planes = r.planes;
    tile.unfiltered = static_cast<uint8_t*>(r.inData);
    tile.unfilteredRowBytes = r.inRowBytes;
    tile.working = static_cast<uint8_t*>(r.outData);
    tile.workingRowBytes = r.outRowBytes;
    tile.mask = r.maskData;
    tile.width = r.outRect.right - r.outRect.left;
    tile.height = r.outRect.bottom - r.outRect.top;
    tile.ownsBuffer = false;
    tile.hostMasks = true;
    tile.display = r.displayPixels;
    return 0;
}

int32_t FetchWholeRect(const VBox& box, PreviewTile& tile)
{
    FilterModuleState& state = FrameState();
    FilterRecord& r = *state.record;
    if (!Fetchable(r))
        return Fail(filterBadParameters);
    if (!MakeOwnTile(box, r, tile)) {
        Fail(memFullErr);
        return 0;
    }
    r.inRect = r.filterRect;
    AskAllPlanes(r);
    const int32_t answer = state.advanceHost();
    if (answer != 0)
        return answer;
    // A host that answers without pixels gets no tile rather than a crash.
    if (!r.inData)
        return Fail(filterBadParameters);
    const int32_t fh = FilterHeight(r);
    for (int32_t i = 0; i < tile.height; ++i)
        CopyRow(tile, i, static_cast<const uint8_t*>(r.inData) + int64_t{SourceRow(i, fh, tile.height)} * r.inRowBytes,
                FilterWidth(r));
    tile.display = r.displayPixels;
    return 0;
}

int32_t FetchRowByRow(const VBox& box, PreviewTile& tile)
{
    FilterModuleState& state = FrameState();
    FilterRecord& r = *state.record;
    if (!Fetchable(r))
        return Fail(filterBadParameters);
    if (!tile.HasOwnBuffer()) {
        AskAllPlanes(r);
        if (!MakeOwnTile(box, r, tile)) {
            Fail(memFullErr);
            return 0;
        }
        const Rect& f = r.filterRect;
        r.inRect = Rect{f.top, f.left, int16_t(f.top + 1), f.right};
        tile.resumeRow = 0;
        const int32_t answer = state.advanceHost();
        if (answer != 0)
            return AdvanceDeferred() ? 0 : answer;
    }
    const int32_t fh = FilterHeight(r);
    for (int32_t i = tile.resumeRow; i < tile.height; ++i) {
        if (!r.inData)
            return Fail(filterBadParameters);
        CopyRow(tile, i, static_cast<const uint8_t*>(r.inData), FilterWidth(r));
        if (i == tile.height - 1)
            break;
        r.inRect.top = int16_t(r.filterRect.top + SourceRow(i, fh, tile.height) + 1);
        r.inRect.bottom = int16_t(r.inRect.top + 1);
        const int32_t answer = state.advanceHost();
        if (answer != 0) {
            if (!AdvanceDeferred())
                return answer;
            tile.resumeRow = i + 1;
            return 0;
        }
    }
    tile.resumeRow = tile.height;
    state.deferredAdvance = false;
    tile.display = r.displayPixels;
    return 0;
}
