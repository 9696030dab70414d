// Builders of the picture operations' expressions: each applies a built-in
// of PictureFunctions.h to its arguments, registering the built-ins first.
// The rotate builders turn a rotate-and-flip choice into a rotation or a
// flip: a vertical flip is a horizontal flip plus a half turn, a half turn
// is both flips, and quarter turns never interpolate.
#pragma once

#include "editor/operations/PictureFunctions.h"
#include "lang/Expr.h"

// Resample (resample nonzero) or Resize, fully applied.
PpQnExpr MakeResizeExpr(const PpQnExpr& picture, long width, long height, long xRes, long yRes, int resample);
// A function of the picture: Rotate angle colour mirror smooth, or Flip.
PpQnExpr MakeRotateExpr(long angle, long colour, int flipHorizontally, int flipVertically, int interpolate);
// A function of picture and mask: RotateSelection angle mirror smooth, or
// FlipSelection.
PpQnExpr MakeRotateSelectionExpr(long angle, int flipHorizontally, int flipVertically, int interpolate);
PpQnExpr MakePasteIntoSelectionExpr(const PpQnExpr& target, const PpQnExpr& pasted, const PpQnExpr& mask);
PpQnExpr MakeStitchExpr(const PpQnExpr& first, const PpQnExpr& second, long dx, long dy, long percent,
                        long colour);
PpQnExpr MakeBordersExpr(const PpQnExpr& picture, long colour, long frameWidth, long matWidth, long light,
                         long frameShape, const char* frameStyle, const char* matName);

// An angle in degrees reduced to 0..359 (the mathematical remainder).
long ReduceAngle(long angle);
