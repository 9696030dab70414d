#include "lang/FunExpr.h"

#include "lang/EvalState.h"
#include "lang/ExprTables.h"
#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"

QnFunExpr::QnFunExpr(const PpQnFun& f, int n) : function_(f.Get()), arity_(n)
{
    const int arity = f->GetArity();
    if (arity_ == -1)
        arity_ = arity;
    if (arity_ == -1 || arity_ != arity)
        QN_LANG_RAISE(QN_LANG_BAD_FUN_ARITY, "Flexpr", 71);
}

PpQnExpr QnFunExpr::MakeEvalStep(QnMachineContext&, QnEvalState& state)
{
    state.kind = QnEvalState::KIND_FUNCTION;
    state.function = PpQnFun(function_);
    return PpQnExpr(this);
}

void QnFunExpr::MarkFixedObjects(Visitor visit)
{
    QnExpr::MarkFixedObjects(visit);
    visit(function_);
}

PpQnExpr MakeFunExpr(const PpQnFun& f, int n)
{
    const int arity = f->GetArity();
    if (n == -1)
        n = arity;
    if (n == -1 || n != arity)
        QN_LANG_RAISE(QN_LANG_BAD_FUN_ARITY, "Flexpr", 270);

    ExprTable& table = QnExprTables::FunExprs();
    QnFun* fun = f.Get();
    auto matches = [fun, n](QnExpr* node) {
        auto* e = static_cast<QnFunExpr*>(node);
        return e->FunctionPtr() == fun && e->Arity() == n;
    };
    if (PpQnExpr found = table.Find(QnExprTables::FunHash(fun, n), matches))
        return found;
    PpQnExpr node(QnCreate<QnFunExpr>(f, n));
    node->Used();
    table.Add(node);
    return node;
}
