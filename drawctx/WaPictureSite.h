// A work-area picture as a source of the stretcher: its rows in one plane
// format, with a rule for positions outside the picture.
#pragma once

#include "drawctx/zvwa/WA.h"
#include "drawctx/zvxform/ZvxfPlane.h"

#include <cstdint>

// Plane formats: what one pixel of the rows handed out is.
enum : int { WA_PLANE_RGB = 1, WA_PLANE_GRAY = 2, WA_PLANE_INDEX = 3 };
// Outside rules: what positions outside the picture read as.
enum : int { WA_OUTSIDE_ZERO = 0, WA_OUTSIDE_EDGE = 1 };

class WaPictureSite : public ZVXFPLANESITE {
public:
    // Holds a reference to wa for its life.
    WaPictureSite(WA* wa, int format, int outside);
    WaPictureSite(const WaPictureSite&) = delete;
    WaPictureSite& operator=(const WaPictureSite&) = delete;
    ~WaPictureSite() override;

    ZVXFPLANE* CreatePlane() override;

    WA* Picture() const { return wa_; }
    int Format() const { return format_; }
    int Outside() const { return outside_; }
    // 3 for colour planes, 1 for grey and index planes; for other formats
    // the picture's own size (1, or 3 for colour pictures).
    static int BytesPerPixel(int format, int waType);

private:
    WA* wa_;
    int format_;
    int outside_;
};
