// What the blitter and the views draw through: a drawing surface with the
// system's device-context model. Drawing calls take logical coordinates,
// which the mapping (DcMapping) turns into device pixels; the clip region
// is kept in device pixels, as are the regions given to SelectClipRgn.
// SaveDC and RestoreDC keep and bring back the mapping and the clip.
//
// The state and the geometry live here, once; a device only fills and
// copies device pixels in regions that are already clipped, so that every
// device shows the same pixels for the same calls.
#pragma once

#include "blt/ColorRef.h"
#include "blt/DcMapping.h"
#include "blt/DeviceImage.h"
#include "blt/DibBits.h"
#include "render/Rect.h"
#include "render/Rgn.h"

#include <cstdint>
#include <optional>
#include <vector>

class DeviceContext {
public:
    DeviceContext() = default;
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;
    virtual ~DeviceContext() = default;

    // Width and height of the device in pixels.
    virtual QnPoint DeviceSize() const = 0;
    // Device pixels per inch across and down.
    virtual QnPoint Resolution() const = 0;

    DcMapping& Mapping() { return state_.mapping; }
    const DcMapping& Mapping() const { return state_.mapping; }

    // Clipping. A null region removes the clip (the whole device is
    // drawable); an empty one lets nothing be drawn.
    void SelectClipRgn(const QnRgn* deviceRgn);
    // The clip in device pixels, or nothing when there is none.
    const std::optional<QnRgn>& GetClipRgn() const { return state_.clip; }
    void IntersectClipRect(const QnRect& logical);
    void ExcludeClipRect(const QnRect& logical);
    // The bounding box of what can be drawn, in logical coordinates; all
    // zeros when nothing can.
    QnRect GetClipBox() const;
    // True when some pixel of the logical rectangle can be drawn.
    bool RectVisible(const QnRect& logical) const;

    // Keeps mapping and clip; returns the new depth (1 for the first save).
    int32_t SaveDC();
    // Back to the state kept by save number level, or -level saves back
    // when level is negative; the saves after it are dropped. False (nothing
    // changed) when no such save exists.
    bool RestoreDC(int32_t level);

    // Fills the logical rectangle (right and bottom exclusive).
    void FillRect(const QnRect& logical, QnColorRef colour);

    // Shows the block src of the DIB (y counted from the bottom row) over
    // the logical rectangle (xDest, yDest, wDest, hDest), stretched by the
    // nearest-sample rule of DibSampler; a negative width or height, or a
    // mapping that reverses an axis, mirrors the picture on that axis. False
    // when the DIB or a size is unusable.
    bool StretchDIBits(int32_t xDest, int32_t yDest, int32_t wDest, int32_t hDest, int32_t xSrc, int32_t ySrc,
                       int32_t wSrc, int32_t hSrc, const DibBits& dib);
    // Copies the block (xSrc, ySrc, w, h) of the DIB 1:1 onto device pixels
    // from the device point that the logical point (xDest, yDest) maps to.
    bool SetDIBitsToDevice(int32_t xDest, int32_t yDest, int32_t w, int32_t h, int32_t xSrc, int32_t ySrc,
                           const DibBits& dib);

protected:
    // What the device itself lets be drawn, in device pixels; by default the
    // whole device. A window's paint area narrows it.
    virtual QnRgn SystemRgn() const;
    // Both draw only inside area, which lies within the device and the clip.
    virtual void FillDevice(const QnRgn& area, QnColorRef colour) = 0;
    virtual void PutDevice(const QnRgn& area, const DeviceImage& image) = 0;

private:
    struct State {
        DcMapping mapping;
        std::optional<QnRgn> clip;
    };

    // Device pixels that drawing may touch: the clip within SystemRgn.
    QnRgn DrawableRgn() const;
    QnRect DeviceRect() const;
    void DrawDib(const QnPoint& from, const QnPoint& to, const DibRect& src, const DibBits& dib);

    State state_;
    std::vector<State> saved_;
};
