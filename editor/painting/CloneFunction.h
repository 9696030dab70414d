// The built-in of the clone brush: a copy of the picture where, under each
// dab, pixels are taken from a source picture at a fixed offset.
#pragma once

#include "lang/Expr.h"
#include "lang/FunId.h"

#include <cstdint>

class QnMachineContext;
class QnEvalControl;

// Arguments: picture, selection mask (render object), brush (FlBrushParams:
// shape, smooth and size), dab centres (FlPointArray), source picture, dx,
// dy (QnFlInt): pixel (x, y) takes the source's (x - dx, y - dy), seen in
// the picture's own type. Answers an FlRectPict.
PpQnExpr CloneFunction(QnMachineContext& m, int n, QnEvalControl* control);
QnFunId CloneFunctionId();
PpQnExpr MakeCloneExpr(const PpQnExpr& picture, const PpQnExpr& mask, const PpQnExpr& brush, const PpQnExpr& points,
                       const PpQnExpr& source, int32_t dx, int32_t dy);
