// The built-in that lays one segment of a brush stroke into a picture: a
// copy of the picture with a dab of the brush at each point, clipped to the
// selection mask and the picture, and the rectangle that changed.
#pragma once

#include "lang/Expr.h"
#include "lang/FunId.h"

class QnMachineContext;
class QnEvalControl;

// Arguments: picture, selection mask (render object), brush (FlBrushParams),
// dab centres (FlPointArray), segment start (FlPoint). The answer is an
// FlRectPict. Paletted pictures are not painted: their bytes are palette
// indices, not levels.
PpQnExpr PaintFunction(QnMachineContext& m, int n, QnEvalControl* control);
QnFunId PaintFunctionId();
// PaintFunction applied to its five arguments.
PpQnExpr MakePaintExpr(const PpQnExpr& picture, const PpQnExpr& mask, const PpQnExpr& brush,
                       const PpQnExpr& points, const PpQnExpr& start);
