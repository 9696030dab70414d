// The colour-reducing conversions as built-ins of the expression language:
// to 1-bit black and white, to 4-bit and 8-bit paletted with the standard
// palette or with an optimised palette built from the picture, each with a
// dithering method. The option is 8 x the method's index (0 none, 8 error
// diffusion, 16 Bayer, 24 fatting for black and white). The builders give
// the one-argument functions from a picture to the converted picture that
// the document applies to its picture expression.
#pragma once

#include <cstdint>

#include "dither/LogPalette.h"
#include "lang/Expr.h"

class QnMachineContext;
class QnEvalControl;

// The standard palette of 4-bit pictures.
const LOGPALETTE& StandardPalette16();

PpQnExpr ConvertTo1BitFunction(QnMachineContext& m, int n, QnEvalControl* control);
PpQnExpr ConvertTo4BitFunction(QnMachineContext& m, int n, QnEvalControl* control);
PpQnExpr ConvertTo4BitPaletteFunction(QnMachineContext& m, int n, QnEvalControl* control);
PpQnExpr ConvertTo8BitFunction(QnMachineContext& m, int n, QnEvalControl* control);
PpQnExpr ConvertTo8BitPaletteFunction(QnMachineContext& m, int n, QnEvalControl* control);
// Arguments: a render object and the colour count; gives a PaletteData.
PpQnExpr BuildPaletteFunction(QnMachineContext& m, int n, QnEvalControl* control);

void RegisterDitherConvertFunctions();

// BuildPalette picture count.
PpQnExpr MakeBuildPaletteExpr(const PpQnExpr& picture, int32_t colours);
// p -> ConvertTo1Bit p option, and likewise.
PpQnExpr MakeConvertTo1BitExpr(int32_t option);
PpQnExpr MakeConvertTo4BitExpr(int32_t option);
PpQnExpr MakeConvertTo8BitExpr(int32_t option);
// p -> ConvertTo4BitPalette p palette option: the palette is evaluated with
// the conversion.
PpQnExpr MakeConvertTo4BitPaletteExpr(const PpQnExpr& palette, int32_t option);
PpQnExpr MakeConvertTo8BitPaletteExpr(const PpQnExpr& palette, int32_t option);
