// One run of pixels of one row as the drawing library's planes hand it to
// the stretcher: a whole row in place, a converted row, or a single pixel
// kept in the object itself (positions outside the picture cost one pixel,
// not a row). Made row after row, so it comes from a free list.
#pragma once

#include "drawctx/WaFreeList.h"
#include "drawctx/zvxform/ZvxfPlane.h"

#include <cstring>

class WaPlaneData : public ZVXFPLANEDATA {
public:
    // A run over memory someone else holds.
    WaPlaneData(const QnRect& extent, uint8_t* pixels) : extent_(extent), pixels_(pixels) {}
    // One pixel of bytes bytes, copied into the object.
    WaPlaneData(int32_t x, int32_t y, const uint8_t* pixel, int bytes)
        : extent_{x, y, x + 1, y + 1}, pixels_(own_)
    {
        std::memcpy(own_, pixel, size_t(bytes));
    }

    QnRect Extent() const override { return extent_; }
    uint8_t* Pointer() override { return pixels_; }
    ZVXFREADPLANEDATA* Copy() const override
    {
        if (pixels_ == own_)
            return new WaPlaneData(extent_.left, extent_.top, own_, sizeof own_);
        return new WaPlaneData(extent_, pixels_);
    }

    WA_FREE_LIST_OBJECT(WaPlaneData)

private:
    QnRect extent_;
    uint8_t* pixels_;
    uint8_t own_[4] = {};
};
