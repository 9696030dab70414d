// Nearest-sample stretching of a DIB block onto device pixels, the one rule
// every device context follows so that all of them show the same pixels.
//
// The block src is shown over the device rectangle dest (flipped on an axis
// when flipX or flipY is set). Device pixel i of dest's n pixels on an axis
// (counted from the edge where the block's first column or top row lands)
// shows source pixel floor((i + 1/2) * m / n) of the block's m pixels: the
// source pixel under the device pixel's centre. Device pixels whose sample
// falls outside the DIB are not drawn.
#pragma once

#include "blt/DeviceImage.h"
#include "blt/DibBits.h"
#include "render/Rect.h"

struct DibPlacement {
    QnRect dest;
    bool flipX = false;
    bool flipY = false;
};

// The pixels of dest within box (box inside dest), narrowed to the device
// pixels whose samples lie in the DIB; an empty image when none does. A
// block shown unscaled comes as a view of the DIB's rows, valid while dib is.
DeviceImage SampleDib(const DibBits& dib, const DibRect& src, const DibPlacement& place, const QnRect& box);
