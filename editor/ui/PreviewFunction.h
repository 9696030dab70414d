// The built-in that cuts the visible part out of a preview's picture, so
// that an effect applied to it works on no more than is shown: the part
// (left, top, right, bottom) of a render object as a 24-bit picture, or the
// object itself when the part is all of it.
#pragma once

#include "lang/Expr.h"
#include "lang/FunId.h"

class QnMachineContext;
class QnEvalControl;

// Arguments: the render object, left, top, right, bottom.
PpQnExpr PreviewFunction(QnMachineContext& m, int n, QnEvalControl* control);

// The built-in's id, registered on the first call.
QnFunId RegisterPreviewFunction();

// PreviewFunction picture left top right bottom, unevaluated.
PpQnExpr MakePreviewExpr(const PpQnExpr& picture, int32_t left, int32_t top, int32_t right, int32_t bottom);
