#include "lang/ValueExpr.h"

#include "lang/EvalState.h"
#include "lang/ExprTables.h"

PpQnValueExpr QnValueExpr::CastToValue() { return PpQnValueExpr(this); }

PpQnExpr QnValueExpr::MakeEvalStep(QnMachineContext&, QnEvalState& state)
{
    state.kind = QnEvalState::KIND_VALUE;
    return PpQnExpr(this);
}

void QnValueExpr::MarkFixedObjects(Visitor visit)
{
    QnExpr::MarkFixedObjects(visit);
    visit(value_);
}

namespace {

QnPp<QnValueExpr> MakeValueExpr(const PpQnFlVal& value)
{
    QnObj::UsedIfAny(value.Get());
    if (value.Get()->IsUnique())
        return QnCreate<QnValueExpr>(value);
    QnValueTable& table = QnExprTables::Values();
    if (QnPp<QnValueExpr> found = table.Find(value.Get()))
        return found;
    QnPp<QnValueExpr> node = QnCreate<QnValueExpr>(value);
    table.Insert(node.Get());
    return node;
}

} // namespace

PpQnValueExpr::PpQnValueExpr(const PpQnFlVal& value) : QnPp(MakeValueExpr(value)) {}
