#include "editor/operations/PictureFunctions.h"

#include <mutex>

#include "editor/operations/Borders.h"
#include "lang/BiFun.h"
#include "lang/FlVal.h"
#include "lang/Fun.h"

QnFunId CropFunctionId;
QnFunId ResampleFunctionId;
QnFunId ResizeFunctionId;
QnFunId RotateFunctionId;
QnFunId RotateSelectionFunctionId;
QnFunId FlipFunctionId;
QnFunId FlipSelectionFunctionId;
QnFunId PasteIntoSelectionFunctionId;
QnFunId StitchFunctionId;
QnFunId BordersFunctionId;

void RegisterPictureFunctions()
{
    static std::mutex lock;
    const std::lock_guard guard(lock);
    if (CropFunctionId != 0)
        return;
    // Every argument is strict; each id is stored before the next is made.
    CropFunctionId = QnFun::RegisterFun(PpQnBiFun(CropFunction, 3));
    ResampleFunctionId = QnFun::RegisterFun(PpQnBiFun(ResampleFunction, 5));
    ResizeFunctionId = QnFun::RegisterFun(PpQnBiFun(ResizeFunction, 5));
    RotateFunctionId = QnFun::RegisterFun(PpQnBiFun(RotateFunction, 5));
    RotateSelectionFunctionId = QnFun::RegisterFun(PpQnBiFun(RotateSelectionFunction, 5));
    FlipFunctionId = QnFun::RegisterFun(PpQnBiFun(FlipFunction, 3));
    FlipSelectionFunctionId = QnFun::RegisterFun(PpQnBiFun(FlipSelectionFunction, 4));
    PasteIntoSelectionFunctionId = QnFun::RegisterFun(PpQnBiFun(PasteIntoSelectionFunction, 3));
    StitchFunctionId = QnFun::RegisterFun(PpQnFun(StitchFunction, 6));
    BordersFunctionId = QnFun::RegisterFun(PpQnFun(BordersFunction, 8));
}

PpQnExpr MakeCropExpr(const PpQnExpr& picture, const PpQnExpr& mask, long colour)
{
    RegisterPictureFunctions();
    const PpQnExpr crop(CropFunctionId, -1);
    return PpQnExpr(PpQnExpr(PpQnExpr(crop, picture), mask), PpQnExpr(PpQnFlVal(int32_t(colour))));
}
