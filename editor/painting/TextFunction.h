// The built-in of the text tool: a copy of the picture with a block of text
// drawn into it, soft-edged, at a top-left point, inside the selection.
#pragma once

#include "editor/loadable/ToolParams.h"
#include "lang/Expr.h"
#include "lang/FunId.h"
#include "render/Rect.h"

class CLdMask;
class QnMachineContext;
class QnEvalControl;

// Arguments: picture, selection mask (render object), text (FlTextParams),
// top-left point (FlPoint). Answers an FlRectPict; paletted pictures come
// back unchanged with the rectangle still computed.
PpQnExpr TextFunction(QnMachineContext& m, int n, QnEvalControl* control);
QnFunId TextFunctionId();
PpQnExpr MakeTextExpr(const PpQnExpr& picture, const PpQnExpr& mask, const PpQnExpr& text, const PpQnExpr& point);

// Draws the text (a space added at each end) into mask, three times larger
// and averaged down; the mask's size is the text block's. 0 in the mask is
// fully covered, 255 untouched.
QnRect MakeTextMask(const CTextParams& params, CLdMask& mask);
