// How a saver's window shows its effect, on any device context: the picture
// stretched over the client area (one logical unit is one picture pixel),
// and the composed square clipped to the ellipse inscribed in it.
#pragma once

#include "blt/DeviceContext.h"
#include "savers/SaverEffect.h"

namespace SaverFrame {

// Anisotropic mapping of the picture's pixels onto the client size.
void SetPictureMapping(DeviceContext& dc, const SaverEffect& effect, QnPoint client);

// The whole frame: picture, then the square when it is composed; black
// without a picture.
void Draw(DeviceContext& dc, const SaverEffect& effect, QnPoint client);

// The device pixels the square at the effect's current corner covers (all
// zeros without a square), which the window redraws after a tick together
// with those of the square drawn before.
QnRect SquareOnDevice(const SaverEffect& effect, QnPoint client);

// The pixels whose centres lie inside the ellipse inscribed in box (right
// and bottom exclusive), as the system's elliptic regions.
QnRgn EllipticRgn(const QnRect& box);

} // namespace SaverFrame
