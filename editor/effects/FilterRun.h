// The run of one filter entry over a picture: the filter record, the
// selector sequence [Parameters,] Prepare, Start, Continue..., Finish, the
// host's callbacks, and the moving of pixel rectangles between the picture
// and the module's buffers. The record and the run state are single objects
// of the process, so runs take one lock from set-up to the end.
#pragma once

#include "lang/Expr.h"
#include "picture/Picture.h"
#include "render/RenderObj.h"

#include <cstdint>

class PlugInInstance;
class QnEvalControl;

class FilterRun {
public:
    // The value expression of an FlRectPict: a new picture that is picture
    // with the module's output inside mask, and the rectangle that changed.
    static PpQnExpr Execute(PlugInInstance& instance, const PpQnPicture& picture, const PpQnRenderObj& mask,
                            uint32_t foreground, uint32_t background, QnEvalControl* control);
};
