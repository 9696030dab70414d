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
    m.a_push(state.pending, PpQnApplyExpr(this), Right());
    state.pending = nullptr;
    return Left();
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
    PpQnApplyExpr current;
    PpQnExpr function = f;
    bool matching = true;
    for (uint32_t k = n; k-- > 0;) {
        PpQnExpr arg = args[k];
        if (useHistory) {
            arg->Used();
            arg = arg.Get()->GetHistory();
        }
        QnApplyExpr* app = apps[k].Get();
        if (matching && app->left_ == function.Get() && app->right_ == arg.Get()) {
            current = apps[k];
        } else {
            matching = false;
            current = PpQnApplyExpr(function, arg);
        }
        function = current;
    }
    return current;
}

namespace {

QnPp<QnApplyExpr> MakeApplyExpr(const PpQnExpr& l, const PpQnExpr& r)
{
    QnApplyTable& table = QnExprTables::Applications();
    if (QnPp<QnApplyExpr> found = table.Find(QnApplyKey(l.Get(), r.Get())))
        return found;
    QnPp<QnApplyExpr> node = QnCreate<QnApplyExpr>(l.Get(), r.Get());
    table.Insert(node.Get());
    return node;
}

} // namespace

PpQnApplyExpr::PpQnApplyExpr(const PpQnExpr& l, const PpQnExpr& r) : QnPp(MakeApplyExpr(l, r)) {}
