// Colour-mode conversions as built-ins of the expression language. Each
// builder gives the one-argument function from a picture to the converted
// picture, which the document applies to its picture expression.
#pragma once

#include <cstdint>

#include "lang/Expr.h"

class QnMachineContext;
class QnEvalControl;

// Arguments: the picture, the mode (nonzero: 8-bit grey; 0: 24-bit colour).
PpQnExpr ConvertToGrayOr24BitFunction(QnMachineContext& m, int n, QnEvalControl* control);

void RegisterConvertFunctions();

// p -> ConvertToGrayOr24Bit p mode.
PpQnExpr MakeConvertToGrayOr24BitExpr(int32_t mode);
