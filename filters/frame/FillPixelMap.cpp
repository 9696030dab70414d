#include "filters/frame/HostRoutines.h"
#include "filters/frame/PreviewTile.h"

void FillPixelMap(PreviewTile& tile)
{
    const FilterRecord* r = FrameState().record;
    PSPixelMapV1& m = tile.pixelMap;
    m = PSPixelMapV1{};
    m.map.version = 1;
    m.map.bounds = VRect{0, 0, tile.height, tile.width};
    m.map.imageMode = r ? int32_t{r->imageMode} : int32_t{plugInModeRGBColor};
    m.map.rowBytes = tile.show ? tile.workingRowBytes : tile.unfilteredRowBytes;
    m.map.colBytes = tile.planes;
    m.map.planeBytes = 1;
    m.map.baseAddr = tile.show ? tile.working : tile.unfiltered;
    if (!tile.hostMasks || !r)
        return;
    if (r->isFloating) {
        tile.pixelMask = PSPixelMask{nullptr, r->maskData, r->maskRowBytes, 1, 0};
        m.masks = &tile.pixelMask;
    } else if (r->inLayerPlanes != 0 && r->inTransparencyMask != 0 && r->outData) {
        // The transparency plane follows the colour planes of the output.
        const int32_t planes = r->outHiPlane - r->outLoPlane + 1;
        tile.pixelMask = PSPixelMask{nullptr, static_cast<uint8_t*>(r->outData) + (planes - 1), r->outRowBytes,
                                     planes, 0};
        m.masks = &tile.pixelMask;
    }
}
