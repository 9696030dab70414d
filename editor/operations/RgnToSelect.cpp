#include "editor/operations/RgnToSelect.h"

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/operations/FlRgn.h"
#include "editor/operations/MaskRenderObj.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"

namespace {

BuiltinSlot& RgnToSelectSlot()
{
    static BuiltinSlot slot(RgnToSelectFunction, 3);
    return slot;
}

} // namespace

PpQnExpr RgnToSelectFunction(QnMachineContext& m, int, QnEvalControl*)
{
    // The lines name the three arguments in the cast errors, as they always have.
    const PpFlRgn region = QnCheckedCast<FlRgn>(QnValueOf(*m.arg_get(1)), "RgnToSelect", 259);
    const int32_t width = QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(2)), "RgnToSelect", 260)->Value();
    const int32_t height = QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(3)), "RgnToSelect", 261)->Value();
    return PpQnExpr(PpQnFlVal(QnCreate<MaskRenderObj>(region->Region(), width, height)));
}

PpQnExpr MakeRgnToSelectExpr(const PpQnExpr& selection, int32_t width, int32_t height)
{
    const PpQnExpr f(RgnToSelectSlot().Id(), -1);
    return PpQnExpr(PpQnExpr(PpQnExpr(f, selection), PpQnExpr(PpQnFlVal(width))), PpQnExpr(PpQnFlVal(height)));
}
