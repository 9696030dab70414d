#include "lang/TupleExpr.h"

#include "base/QnMemAlloc.h"
#include "lang/EvalState.h"
#include "lang/ExprTables.h"
#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"

QnTupleExpr::QnTupleExpr(int n, const PpQnExpr* elements) : arity_(n), elements_(nullptr)
{
    if (n < 1)
        QN_LANG_RAISE(QN_LANG_BAD_TUPLE_ARITY, "Flexpr", 43);
    elements_ = static_cast<QnExpr**>(QnOperatorNew(sizeof(QnExpr*) * size_t(n), &QnStdAlloc::stdalloc));
    if (!elements_)
        qn_standard_new_handler(0);
    for (int i = 0; i < n; ++i)
        elements_[i] = elements[n - 1 - i].Get();
}

QnTupleExpr::~QnTupleExpr() { QnOperatorDelete(elements_); }

PpQnTupleExpr QnTupleExpr::CastToTuple() { return PpQnTupleExpr(this); }

PpQnExpr QnTupleExpr::MakeEvalStep(QnMachineContext&, QnEvalState& state)
{
    state.kind = QnEvalState::KIND_VALUE;
    return PpQnExpr(this);
}

PpQnExpr QnTupleExpr::Index(int i) const
{
    if (i < 0 || i >= arity_)
        QN_LANG_RAISE(QN_LANG_BAD_TUPLE_INDEX, "Flexpr", 54);
    return PpQnExpr(elements_[i]);
}

void QnTupleExpr::MarkFixedObjects(Visitor visit)
{
    QnExpr::MarkFixedObjects(visit);
    for (int i = 0; i < arity_; ++i)
        visit(elements_[i]);
}

namespace {

QnPp<QnTupleExpr> MakeTupleExpr(int n, const PpQnExpr* elements)
{
    ExprTable& table = QnExprTables::Tuples();
    if (n >= 1) {
        auto matches = [n, elements](QnExpr* node) {
            auto* t = static_cast<QnTupleExpr*>(node);
            if (t->Arity() != n)
                return false;
            for (int k = 0; k < n; ++k)
                if (elements[k].Get() != t->ElementPtr(n - 1 - k))
                    return false;
            return true;
        };
        if (PpQnExpr found = table.Find(QnExprTables::TupleHash(n, elements), matches))
            return QnPpStaticCast<QnTupleExpr>(found);
    }
    QnPp<QnTupleExpr> node = QnCreate<QnTupleExpr>(n, elements); // n < 1 raises here
    node->Used();
    table.Add(PpQnExpr(node));
    return node;
}

} // namespace

PpQnTupleExpr::PpQnTupleExpr(int n, const PpQnExpr* elements) : QnPp(MakeTupleExpr(n, elements)) {}
