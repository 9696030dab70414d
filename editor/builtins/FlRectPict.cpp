#include "editor/builtins/FlRectPict.h"

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"

FlRectPict::FlRectPict(const PpQnPicture& picture, const QnRect* changed)
    : QnFlVal(1), picture_(picture.Get()), whole_(changed ? 0 : 1), rect_(changed ? *changed : QnRect{})
{
}

void FlRectPict::MarkFixedObjects(Visitor visit)
{
    QnFlVal::MarkFixedObjects(visit);
    if (picture_)
        visit(picture_);
}

PpFlRectPict MakeFlRectPict(const PpQnPicture& picture, const QnRect* changed)
{
    return QnCreate<FlRectPict>(picture, changed);
}

PpFlRectPict CheckedCastFlRectPict(const PpQnFlVal& value, const char* file, int line)
{
    return QnCheckedCast<FlRectPict>(value, file, line);
}

PpQnExpr FromRectPictFunction(QnMachineContext& m, int, QnEvalControl*)
{
    const PpFlRectPict answer = CheckedCastFlRectPict(QnValueOf(*m.arg_get(1)), "FlRectPict", __LINE__);
    return PpQnExpr(PpQnFlVal(answer->Picture()));
}

PpQnExpr MakeFromRectPictExpr(const PpQnExpr& e)
{
    static BuiltinSlot slot(FromRectPictFunction, 1);
    return PpQnExpr(PpQnExpr(slot.Id(), -1), e);
}
