// The map from a device context's logical coordinates to device pixels:
// device = (logical - window origin) * viewport extent / window extent
// + viewport origin, per axis, rounded to the nearest pixel with halves
// going up (floor(v + 1/2)), as the system's mapping rounds.
//
// In text mode the extents are 1:1 and setting them is ignored. In
// isotropic mode the viewport extent is shrunk after every change of either
// extent so that one logical unit is equally wide on both axes (device
// pixels are taken as square). Entering a scaling mode keeps the current
// extents; callers set both extents before drawing.
#pragma once

#include "render/Rect.h"

#include <cstdint>

enum QnMapMode : int32_t {
    QN_MM_TEXT = 1,
    QN_MM_ISOTROPIC = 7,
    QN_MM_ANISOTROPIC = 8,
};

class DcMapping {
public:
    int32_t GetMapMode() const { return mode_; }
    // Returns the previous mode; a mode not listed above changes nothing and
    // returns 0. Text mode resets both extents to 1:1.
    int32_t SetMapMode(int32_t mode);

    QnPoint GetWindowOrg() const { return windowOrg_; }
    QnPoint GetViewportOrg() const { return viewportOrg_; }
    QnPoint GetWindowExt() const { return windowExt_; }
    QnPoint GetViewportExt() const { return viewportExt_; }

    // Each returns the previous value.
    QnPoint SetWindowOrg(const QnPoint& p);
    QnPoint SetViewportOrg(const QnPoint& p);
    // False (nothing changed) when either extent is 0.
    bool SetWindowExt(const QnPoint& e);
    bool SetViewportExt(const QnPoint& e);

    QnPoint LPtoDP(const QnPoint& p) const;
    QnPoint DPtoLP(const QnPoint& p) const;
    // Both corners mapped, then sorted so that left <= right and top <=
    // bottom: the device pixels a logical rectangle covers.
    QnRect LPtoDP(const QnRect& r) const;
    QnRect DPtoLP(const QnRect& r) const;

    bool operator==(const DcMapping&) const = default;

private:
    void FixIsotropic();

    int32_t mode_ = QN_MM_TEXT;
    QnPoint windowOrg_;
    QnPoint viewportOrg_;
    QnPoint windowExt_{1, 1};
    QnPoint viewportExt_{1, 1};
};
