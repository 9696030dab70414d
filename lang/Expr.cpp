#include "lang/Expr.h"

#include "lang/ApplyExpr.h"
#include "lang/ExprTable.h"
#include "lang/FunExpr.h"
#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"
#include "lang/TupleExpr.h"
#include "lang/ValueExpr.h"

PpQnValueExpr QnExpr::CastToValue() { QN_LANG_RAISE(QN_LANG_BAD_CAST_TO_VALUE, "Flexpr", 20); }

PpQnTupleExpr QnExpr::CastToTuple() { QN_LANG_RAISE(QN_LANG_BAD_CAST_TO_TUPLE, "Flexpr", 26); }

PpQnExpr QnExpr::GetHistory() { return PpQnExpr(history_ ? history_ : this); }

void QnExpr::SetHistory(QnExpr* history) { history_ = history; }

void QnExpr::MarkFixedObjects(Visitor visit)
{
    if (entry_)
        visit(entry_);
    if (history_)
        visit(history_);
}

PpQnExpr::PpQnExpr(const PpQnFlVal& value) : QnPp(PpQnValueExpr(value)) {}

PpQnExpr::PpQnExpr(int n, const PpQnExpr* elements) : QnPp(PpQnTupleExpr(n, elements)) {}

PpQnExpr::PpQnExpr(const PpQnExpr& l, const PpQnExpr& r) : QnPp(PpQnApplyExpr(l, r)) {}

PpQnExpr::PpQnExpr(QnFunId id, int n) : QnPp(MakeFunExpr(PpQnFun(id), n)) {}

PpQnExpr::PpQnExpr(const PpQnFun& f, int n) : QnPp(MakeFunExpr(f, n)) {}
