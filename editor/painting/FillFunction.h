// The built-in of the fill tool: a copy of the picture with the selection,
// or the colour range around a point within it, filled with a plain colour
// or a gradient.
#pragma once

#include "lang/Expr.h"
#include "lang/FunId.h"

class QnMachineContext;
class QnEvalControl;

// Arguments: picture, selection mask (render object), fill (FlFillParams),
// the point's x and y (QnFlInt). Answers the new picture. Shows progress
// and raises UserAbortExcept when the user cancels.
PpQnExpr FillFunction(QnMachineContext& m, int n, QnEvalControl* control);
QnFunId FillFunctionId();
PpQnExpr MakeFillExpr(const PpQnExpr& picture, const PpQnExpr& mask, const PpQnExpr& fill, int32_t x, int32_t y);
