#include "lang/ApplyExpr.h"

#include "lang/EvalState.h"
#include "lang/ExprTables.h"
#include "lang/MachineContext.h"

PpQnExpr QnApplyExpr::Left() const { return PpQnExpr(left_); }

PpQnExpr QnApplyExpr::Right() const { return PpQnExpr(right_); }

PpQnExpr QnApplyExpr::GetReduct() const
{
    QnLockGc lock;
    return PpQnExpr(reduct_);
}

void QnApplyExpr::SetReduct(QnExpr* reduct)
{
    QnLockGc lock;
    reduct_ = reduct;
}

void QnForgetReduct(const PpQnExpr& e)
{
    auto* app = dynamic_cast<QnApplyExpr*>(e.Get());
    if (!app)
        return;
    QnLockGc lock;
    app->reduct_ = nullptr;
    if (app->canonical_)
        app->canonical_->reduct_ = nullptr;
}

PpQnApplyExpr QnApplyExpr::GetCanonical() const
{
    QnLockGc lock;
    return PpQnApplyExpr(canonical_);
}

void QnApplyExpr::SetCanonical(QnApplyExpr* canonical)
{
    QnLockGc lock;
    canonical_ = canonical;
}

PpQnExpr QnApplyExpr::MakeEvalStep(QnMachineContext& m, QnEvalState& state)
{
    if (!state.pending)
        state.pending = PpQnApplyExpr(this);
    {
        // The collector may clear the reduct: take the handle before it can.
        QnLockGc lock;
        if (reduct_ && reduct_ != this)
            return PpQnExpr(reduct_);
        if (canonical_ && canonical_ != this)
            return PpQnExpr(canonical_);
    }
    // The state's pending application goes onto the stack, and the state
    // has none afterwards: its lock moves with it.
    m.a_push(std::move(state.pending), PpQnApplyExpr(this), PpQnExpr(right_));
    return PpQnExpr(left_);
}

void QnApplyExpr::MarkFixedObjects(Visitor visit)
{
    QnExpr::MarkFixedObjects(visit);
    visit(left_);
    visit(right_);
    if (canonical_)
        visit(canonical_);
}

void QnApplyExpr::MarkDiscardableObjects(Visitor visit)
{
    if (reduct_)
        visit(reduct_);
}

void QnApplyExpr::NoteObjectDiscarded(QnObj* obj)
{
    if (obj == reduct_)
        reduct_ = nullptr;
}

PpQnApplyExpr QnApplyExpr::MakeApplyTree(const PpQnExpr& f, PpQnExpr* args, PpQnApplyExpr* apps, uint32_t n,
                                         int useHistory)
{
    auto argument = [args, useHistory](uint32_t i) {
        QnExpr* arg = args[i].Get();
        if (!useHistory)
            return arg;
        arg->Used();
        return arg->History() ? arg->History() : arg;
    };
    // The existing applications, from the inside out, for as long as they
    // match; nothing is made meanwhile, so the caller's arrays hold every
    // node met.
    QnExpr* function = f.Get();
    uint32_t k = n;
    for (; k > 0; --k) {
        QnApplyExpr* app = apps[k - 1].Get();
        if (app->left_ != function || app->right_ != argument(k - 1))
            break;
        function = app;
    }
    if (n == 0)
        return PpQnApplyExpr();
    if (k == 0)
        return apps[0];
    // From the first mismatch on, the shared factory: the handle holds the
    // application made last while the next one is made (an argument's
    // history is held through the argument).
    PpQnApplyExpr current(MakeShared(function, argument(--k)));
    while (k > 0)
        current = MakeShared(current.Get(), argument(--k));
    return current;
}

QnPp<QnApplyExpr> QnApplyExpr::MakeShared(QnExpr* l, QnExpr* r)
{
    QnApplyTable& table = QnExprTables::Applications();
    if (QnPp<QnApplyExpr> found = table.Find(QnApplyKey(l, r)))
        return found;
    QnPp<QnApplyExpr> node = QnCreate<QnApplyExpr>(l, r);
    table.Insert(node.Get());
    return node;
}

PpQnApplyExpr::PpQnApplyExpr(const PpQnExpr& l, const PpQnExpr& r) : QnPp(QnApplyExpr::MakeShared(l.Get(), r.Get())) {}
