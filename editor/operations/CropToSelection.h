// The built-in behind Edit > Copy: the picture cut to the bounding box of
// the selection mask (and to the picture), or the picture itself when the
// box covers it.
#pragma once

#include "lang/Expr.h"

class QnMachineContext;
class QnEvalControl;

// Arguments: picture, selection mask (render object). Shows progress and
// raises UserAbortExcept when the user cancels.
PpQnExpr CropToSelectionFunction(QnMachineContext& m, int n, QnEvalControl* control);
PpQnExpr MakeCropToSelectionExpr(const PpQnExpr& picture, const PpQnExpr& mask);
