#include "editor/operations/Convert.h"

#include <mutex>

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/operations/DitherConvert.h"
#include "editor/operations/TileWalk.h"
#include "lang/CompApply.h"
#include "lang/CompConst.h"
#include "lang/CompLambda.h"
#include "lang/CompVar.h"
#include "lang/CompileFlExpr.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "lang/ProgressIndicatorAuto.h"
#include "picture/CSConv.h"
#include "picture/Picture.h"

namespace {

enum ConvertStrId : int {
    IDS_CONVERTING_GRAY = 63007,
    IDS_CONVERTING_24BIT = 63008,
};

const char* Caption(int id)
{
    switch (id) {
    case IDS_CONVERTING_GRAY:
        return "Converting to gray image...";
    default:
        return "Converting to 24-bit image...";
    }
}

BuiltinSlot& GrayOr24BitSlot()
{
    static BuiltinSlot slot(ConvertToGrayOr24BitFunction, 2);
    return slot;
}

// p -> f p arg.
PpQnExpr CompileUnary(QnFunId f, int32_t arg)
{
    const PpQnCompVar p(QnCompVar::NEW_VAR);
    const PpQnComp body = PpQnCompApply(PpQnCompApply(PpQnCompConst(f, -1), p), PpQnCompConst(PpQnFlVal(arg)));
    return QnCompileFlExpr(PpQnCompLambda(p, body));
}

}  // namespace

PpQnExpr ConvertToGrayOr24BitFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const PpQnPicture source = QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(1)), "Convert", __LINE__);
    const int32_t mode = QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(2)), "Convert", __LINE__)->Value();

    const PpQnPixConverter converter =
        mode ? PpQnPixConverter(PpQnCS(PpQnCS::TO_GRAY)) : PpQnPixConverter(PpQnPixConverter::TAG{});
    const PpQnRenderObj spaced = source->GetSpacedRender(converter, 0);
    PpQnPicture result(source->GetWidth(), source->GetHeight(), mode ? WA_GRAY : WA_RGB24, nullptr);
    result->SetHRes(source->GetHRes());
    result->SetVRes(source->GetVRes());

    QnProgressIndicatorAuto progress(control, 0);
    progress.Show(1);
    progress.SetText(Caption(mode ? IDS_CONVERTING_GRAY : IDS_CONVERTING_24BIT));
    const uint64_t total = uint64_t(source->GetWidth()) * uint64_t(source->GetHeight());
    uint64_t done = 0;
    progress.SetProgress(0, ProgressUnits(total, total));
    CopyIntoTiles(spaced, result, &progress, done, total, "Convert");
    return PpQnExpr(PpQnFlVal(result));
}

void RegisterConvertFunctions()
{
    GrayOr24BitSlot().Id();
    RegisterDitherConvertFunctions();
}

PpQnExpr MakeConvertToGrayOr24BitExpr(int32_t mode)
{
    RegisterConvertFunctions();
    return CompileUnary(GrayOr24BitSlot().Id(), mode);
}
