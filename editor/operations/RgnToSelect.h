// The built-in that turns a selection region and a picture size into the
// selection's mask, which operations that must stay inside the selection
// compose with their own expressions.
#pragma once

#include <cstdint>

#include "lang/Expr.h"

class QnMachineContext;
class QnEvalControl;

// Arguments: the region (FlRgn), the picture's width and height (QnFlInt).
// Answers a MaskRenderObj.
PpQnExpr RgnToSelectFunction(QnMachineContext& m, int n, QnEvalControl* control);

// RgnToSelect selection width height.
PpQnExpr MakeRgnToSelectExpr(const PpQnExpr& selection, int32_t width, int32_t height);
