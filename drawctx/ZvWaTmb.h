// What the picture control ("ZV_WATMB") holds and draws, apart from its
// window: the picture (one reference held), the drawing context made over
// it, and the fit of the picture into the control. The window forwards its
// messages and paints here, so all of it runs without a display.
#pragma once

#include "blt/ColorRef.h"
#include "drawctx/ZvDrawContext.h"

#include <cstdint>

class DeviceContext;

// Messages of the picture control.
enum : uint32_t {
    ZV_WATMB_SETPICTURE = 1125, // wParam: WA* or null
    ZV_WATMB_GETPICTURE = 1126, // answers the picture with a reference added
    ZV_WATMB_SETGAMMA = 1127,   // wParam low word red, lParam low word green, high word blue
};

// The background the control erases to: the light-grey stock brush.
constexpr QnColorRef ZV_WATMB_BACKGROUND = QnRGB(192, 192, 192);

// The client rectangle a picture of pictureWidth x pictureHeight fills in a
// control of width x height: as large as fits within a 2-pixel margin, its
// proportions kept, centred across the other axis.
QnRect ZvFitPicture(int32_t width, int32_t height, int32_t pictureWidth, int32_t pictureHeight);

class ZvWaTmb {
public:
    ZvWaTmb() = default;
    ZvWaTmb(const ZvWaTmb&) = delete;
    ZvWaTmb& operator=(const ZvWaTmb&) = delete;
    ~ZvWaTmb() { SetPicture(nullptr, 0, 0); }

    // Holds picture (null lets go of the one held), makes its context and
    // fits it into a client area of width x height.
    void SetPicture(WA* picture, int32_t width, int32_t height);
    // The picture with a reference added, or null.
    WA* GetPicture() const { return WAAddRef(picture_); }
    // Monitor gamma on the context; false (nothing done) without one.
    bool SetGamma(int red, int green, int blue);
    // Fits the picture again after the client area changed size.
    void Refit(int32_t width, int32_t height);

    ZV_DRAWCONTEXT* Context() const { return context_; }
    // Where the picture lies in the client area (empty without one).
    const QnRect& PictureRect() const { return fit_; }

    // One paint of the update region (client coordinates) of a client area
    // of width x height: background, the picture, then the black border
    // frame and, with the focus, the white focus frame inside it.
    void Paint(DeviceContext& dc, ZvWindow* window, const QnRgn& update, int32_t width, int32_t height,
               bool border, bool focus) const;

private:
    WA* picture_ = nullptr;
    ZV_DRAWCONTEXT* context_ = nullptr;
    QnRect fit_{};
};
