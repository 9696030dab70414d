// The picture and its visible layers pulled through the context's transform
// for output columns [left, right): the picture is stretched into the row,
// then each visible layer is blended over it through its mask, from the
// back to the front.
#pragma once

#include "drawctx/WaDestSite.h"
#include "drawctx/WaLayer.h"
#include "drawctx/WaPictureSite.h"
#include "drawctx/zvxform/ZVXFSTR.h"

#include <memory>
#include <vector>

class WaLayeredStretcher {
public:
    // One visible layer: its sites and stretchers over the transform client
    // to layer picture (the layer's map after the context's).
    struct Entry {
        const WaLayer* layer;
        int index; // among the visible layers, 0 at the front
        ZVXFORM xf;
        std::unique_ptr<WaPictureSite> pictureSite;
        std::unique_ptr<WaPictureSite> maskSite;
        std::unique_ptr<ZVXFSTR> picture;
        std::unique_ptr<ZVXFSTR> mask;
    };

    // format is the plane format of the rows (WA_PLANE_*).
    WaLayeredStretcher(WA* picture, const ZVXFORM& xf, const WaLayerList& layers, int format, int32_t left,
                       int32_t right);
    ~WaLayeredStretcher();

    // Client row y into row, which holds (right - left) pixels of the format.
    void ProduceRow(int32_t y, uint8_t* row);

    int Format() const { return format_; }
    int BytesPerPixel() const { return bpp_; }
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    int format_;
    int bpp_;
    int32_t left_;
    int32_t right_;
    std::unique_ptr<WaPictureSite> pictureSite_;
    std::unique_ptr<ZVXFSTR> picture_;
    std::vector<Entry> entries_; // front first
    WaDestSite out_;
    WaDestSite layerRow_;
    WaDestSite maskRow_;
    std::vector<uint8_t> layerBytes_;
    std::vector<uint8_t> maskBytes_;
};
