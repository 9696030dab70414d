// The picture operations as built-ins of the expression language: crop,
// resize, resample, rotation, flips, paste into a selection, stitch and
// borders. RegisterPictureFunctions enters them in the function registry
// once; the builders in PictureExprBuilders.h apply them to their arguments.
#pragma once

#include <cstdint>

#include "lang/Expr.h"
#include "lang/FunId.h"

class QnMachineContext;
class QnEvalControl;

// The ids of the built-ins; 0 until registered.
extern QnFunId CropFunctionId;
extern QnFunId ResampleFunctionId;
extern QnFunId ResizeFunctionId;
extern QnFunId RotateFunctionId;
extern QnFunId RotateSelectionFunctionId;
extern QnFunId FlipFunctionId;
extern QnFunId FlipSelectionFunctionId;
extern QnFunId PasteIntoSelectionFunctionId;
extern QnFunId StitchFunctionId;
extern QnFunId BordersFunctionId;

// Registers the built-ins that are not registered yet; safe from any thread,
// any number of times.
void RegisterPictureFunctions();

// Crop picture mask colour.
PpQnExpr MakeCropExpr(const PpQnExpr& picture, const PpQnExpr& mask, long colour);

// The workers. Arguments, in the order they are applied:
// picture, mask (render object), colour (0x00BBGGRR).
PpQnExpr CropFunction(QnMachineContext& m, int n, QnEvalControl* control);
// picture, width, height, x resolution, y resolution. Nearest sample.
PpQnExpr ResizeFunction(QnMachineContext& m, int n, QnEvalControl* control);
// The same arguments; bilinear with weights in fifteenths.
PpQnExpr ResampleFunction(QnMachineContext& m, int n, QnEvalControl* control);
// angle, colour, mirror, smooth, picture.
PpQnExpr RotateFunction(QnMachineContext& m, int n, QnEvalControl* control);
// angle, mirror, smooth, picture, mask.
PpQnExpr RotateSelectionFunction(QnMachineContext& m, int n, QnEvalControl* control);
// mirror left-right, mirror top-bottom, picture.
PpQnExpr FlipFunction(QnMachineContext& m, int n, QnEvalControl* control);
// mirror left-right, mirror top-bottom, picture, mask.
PpQnExpr FlipSelectionFunction(QnMachineContext& m, int n, QnEvalControl* control);
// target, pasted picture, mask.
PpQnExpr PasteIntoSelectionFunction(QnMachineContext& m, int n, QnEvalControl* control);
// first, second, dx, dy, weight of the first in percent, background colour.
PpQnExpr StitchFunction(QnMachineContext& m, int n, QnEvalControl* control);
