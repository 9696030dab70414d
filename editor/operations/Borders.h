// The borders built-in: a frame and a mat of the catalogue round a picture.
// The result is larger by the band (frame width + mat width) on every side,
// with the picture unchanged in the middle.
#pragma once

#include <cstdint>

#include "lang/Expr.h"
#include "lang/FunId.h"

class QnMachineContext;
class QnEvalControl;

// Arguments, in order: the picture (QnPicture), the colour (0x00BBGGRR) of
// the mat and of a band whose pictures are missing, the frame width, the mat
// width, the light (0..4), the bevel profile (0..2), the frame's bitmap name
// and the mat's name (QnFlString). Shows no progress.
PpQnExpr BordersFunction(QnMachineContext& m, int n, QnEvalControl* control);

