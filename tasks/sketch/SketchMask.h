// Drawing a filling only where a shape's mask is black, leaving the output
// as it was where the mask is white: the combination the fillers' masked
// drawing makes of the output, the mask and the filling.
#pragma once

#include <functional>

#include <QImage>
#include <QRect>

#include "render/Rect.h"

class CVSketchDC;

// paint draws the filling over (0, 0, width, height) of d; mask has d's size.
void SketchFillThroughMask(CVSketchDC& dc, const QnRect& d, const QImage& mask,
                           const std::function<void(QPainter&, const QRect&)>& paint);
