// The geometry of the selector's gestures, apart from any window: the
// rectangle a drag spans under the current settings, how a finished shape
// joins the previous selection, and the colour-range area around a pixel.
#pragma once

#include <cstdint>
#include <vector>

#include "editor/loadable/SelectParams.h"
#include "render/Rgn.h"

// The selection shapes of CSelectParams::mode.
enum SelectShape : int32_t {
    kSelectNone = -1,
    kSelectRectangle = 0,
    kSelectEllipse = 1,
    kSelectPolygon = 2,
    kSelectFreehand = 3,
    kSelectColourRange = 4,
    kSelectMove = 5,
};

// The rectangle of a rectangle or ellipse dragged from anchor to pointer,
// ordered: a fixed size hangs from the pointer; keep square takes both sides
// from the horizontal movement.
QnRect SelectShapeRect(const QnPoint& anchor, const QnPoint& pointer, const CSelectParams& params);

// shape joined with base under combine mode 1 (union) or 2 (base less the
// shape); any other mode leaves the shape alone.
QnRgn CombineSelection(const QnRgn& base, const QnRgn& shape, int32_t combine);

