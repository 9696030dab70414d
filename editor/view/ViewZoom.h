// The picture view's zoom: a factor num/den where one of the two is 1, the
// ladder of the Zoom In and Zoom Out commands (1, 2, 4, 6, ... 16, then in
// steps of 4, never above 32), the fit into a window, and the transform
// from picture to screen of a factor.
#pragma once

#include <cstdint>

#include "render/XFormXY.h"

struct ViewZoom {
    int32_t num = 1;
    int32_t den = 1;
    bool operator==(const ViewZoom&) const = default;
};

ViewZoom ZoomInStep(ViewZoom zoom);
ViewZoom ZoomOutStep(ViewZoom zoom);
// The largest zoom-out 1/den that never magnifies and shows a picture of
// width x height within a client of clientWidth x clientHeight: the side
// that decides is the one the picture fills first.
ViewZoom FitZoom(int64_t width, int64_t height, int64_t clientWidth, int64_t clientHeight);
// The zoom-out a new picture opens with: the picture's window extent
// (with borders) against the room available, odd factors made even; 1 when
// it fits or the room is empty.
int32_t OpenZoomDen(int64_t extentWidth, int64_t extentHeight, int64_t roomWidth, int64_t roomHeight);
// Picture to screen at zoom: 0 -> 0 and the picture's size w -> w * num /
// den on each axis (at least 1).
QnXFormXY ZoomXForm(int32_t width, int32_t height, ViewZoom zoom);
