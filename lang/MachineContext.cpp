#include "lang/MachineContext.h"

#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"
#include "lang/ProcessControl.h"
#include "lang/ValueExpr.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

[[noreturn]] void RaiseUserAbort()
{
    static QnLangUserAbortExcept abort;
    abort.raise();
}

// Caches r on app and on app's canonical application, if it has another.
void CacheOn(QnApplyExpr* app, QnExpr* r)
{
    app->SetReduct(r);
    QnApplyExpr* canonical = app->CanonicalPtr();
    if (canonical && canonical != app)
        canonical->SetReduct(r);
}

} // namespace

QnMachineContext::LockFrameStack::LockFrameStack(QnMachineContext& m) : m_(m), depth_(m.f_getdepth())
{
    m_.f_new();
}

QnMachineContext::LockFrameStack::~LockFrameStack()
{
    while (m_.f_getdepth() > depth_)
        m_.f_return();
}

void QnMachineContext::CheckArg(uint32_t n) const
{
    if (n == 0 || n > a_getdepth())
        QN_LANG_RAISE(QN_LANG_BAD_ARG_REQUEST, "Flmachin", __LINE__);
}

PpQnExpr* QnMachineContext::arg_get(uint32_t n)
{
    CheckArg(n);
    return &args_[args_.size() - n];
}

PpQnApplyExpr* QnMachineContext::appm_get(uint32_t n)
{
    CheckArg(n);
    return &pending_[pending_.size() - n];
}

PpQnApplyExpr* QnMachineContext::appe_get(uint32_t n)
{
    CheckArg(n);
    return &apps_[apps_.size() - n];
}

void QnMachineContext::a_push(const PpQnApplyExpr& pending, const PpQnApplyExpr& app, const PpQnExpr& arg)
{
    pending_.push_back(pending);
    apps_.push_back(app);
    args_.push_back(arg);
}

void QnMachineContext::a_push(PpQnApplyExpr&& pending, PpQnApplyExpr&& app, PpQnExpr&& arg)
{
    pending_.push_back(std::move(pending));
    apps_.push_back(std::move(app));
    args_.push_back(std::move(arg));
}

void QnMachineContext::a_pop(int n)
{
    const size_t count = n > 0 ? std::min(size_t(n), args_.size()) : 0;
    args_.resize(args_.size() - count);
    pending_.resize(pending_.size() - count);
    apps_.resize(apps_.size() - count);
}

void QnMachineContext::f_new()
{
    frames_.push_back(std::move(cur_));
    cur_ = Frame(uint32_t(args_.size()));
}

void QnMachineContext::f_return()
{
    if (frames_.empty())
        QN_LANG_RAISE(QN_LANG_BAD_FRAME_RETURN, "Flmachin", __LINE__);
    a_pop(int(a_getdepth()));
    cur_ = std::move(frames_.back());
    frames_.pop_back();
}

int QnMachineContext::return_from_frame(PpQnExpr& e, const LockFrameStack& lock)
{
    const uint32_t held = a_getdepth();
    const PpQnApplyExpr p = held == 0 ? cur_.state.pending : *appm_get(held);
    if (p && p.Get() != e.Get()) {
        QnLockGc gc;
        CacheOn(p.Get(), e.Get());
    }
    f_return();
    if (f_getdepth() <= lock.GetBeginFrameStackDepth())
        return 1;
    const int i = cur_.next_strict++;
    *arg_get(uint32_t(i) + 1) = e;
    e = std::move(cur_.head);
    return 0;
}

PpQnExpr QnMachineContext::eval(const PpQnExpr& e, QnEvalControl* ctl)
{
    try {
        return Reduce(e, ctl);
    } catch (const std::bad_alloc&) {
        // The stacks could not grow: the expression is too deep for memory.
        QN_LANG_RAISE(QN_LANG_TOO_LARGE, "Flmachin", __LINE__);
    }
}

PpQnExpr QnMachineContext::Reduce(const PpQnExpr& e, QnEvalControl* ctl)
{
    QnCriticalSectionLock section(cs_);
    // The collector's section for the whole evaluation, so that machines
    // on other threads and their collections never run in the middle of a
    // step; other threads get it between steps, where everything the
    // machine needs is held by its handles and stacks.
    QnLockGc gc;
    LockFrameStack lock(*this);
    PpQnExpr cur = e;
    for (uint32_t steps = 0;; ++steps) {
        if ((steps & 63) == 63)
            QnLockGc::LetOthersIn();
        if (ctl && ctl->TestAbort())
            RaiseUserAbort();
        switch (cur_.state.kind) {
        case QnEvalState::KIND_STEP: {
            const PpQnExpr node = std::move(cur);
            const size_t pushed = args_.size();
            node->Used();
            cur = node.Get()->MakeEvalStep(*this, cur_.state);
            // An application that neither pushed nor ended the walk moved on
            // through a cached link: a reuse of a result when that was its
            // reduct.
            if (ctl && cur_.state.kind == QnEvalState::KIND_STEP && args_.size() == pushed) {
                QnLockGc gc;
                auto* app = dynamic_cast<QnApplyExpr*>(node.Get());
                if (app && app->ReductPtr() == cur.Get())
                    ctl->NoteStep(1);
            }
            break;
        }
        case QnEvalState::KIND_FUNCTION:
            if (ApplyStep(cur, ctl, lock))
                return cur;
            break;
        case QnEvalState::KIND_VALUE:
            if (a_getdepth() != 0)
                QN_LANG_RAISE(QN_LANG_CANT_APPLY_VALUE, "Flmachin", __LINE__);
            if (return_from_frame(cur, lock))
                return cur;
            break;
        default:
            QN_LANG_RAISE(QN_LANG_BAD_MACHINE_STATE, "Flmachin", __LINE__);
        }
    }
}

int QnMachineContext::ApplyStep(PpQnExpr& cur, QnEvalControl* ctl, const LockFrameStack& lock)
{
    // The function, the redex and its pending application stay held by the
    // frame and the stacks until the arguments are popped; a function that
    // evaluates on this machine leaves them where they are.
    const int k = cur_.state.function->GetArity();
    const uint32_t available = a_getdepth();

    // Too few arguments (a variable arity never counts as enough): the
    // result is the head applied to what the frame holds.
    if (cur_.next_strict == 0 && uint32_t(k) > available) {
        cur = QnApplyExpr::MakeApplyTree(cur, arg_get(available), appe_get(available), available, 0);
        return return_from_frame(cur, lock);
    }

    QnApplyExpr* m = appm_get(uint32_t(k))->Get(); // the redex's pending application
    QnApplyExpr* a = appe_get(uint32_t(k))->Get(); // the redex
    if (!a->CanonicalPtr()) {
        const PpQnApplyExpr t =
            QnApplyExpr::MakeApplyTree(cur, arg_get(uint32_t(k)), appe_get(uint32_t(k)), uint32_t(k), 1);
        QnLockGc gc;
        if (t.Get() != a)
            t->SetCanonical(t.Get());
        a->SetCanonical(t.Get());
    }
    QnApplyExpr* canonical = a->CanonicalPtr();
    // Under the collector's section, which eval holds: no collection can
    // drop the reduct before the handle locks it.
    PpQnExpr r(canonical->ReductPtr());

    if (!r) {
        for (; cur_.next_strict < k; ++cur_.next_strict) {
            if (cur_.state.function->IsArgStrict(cur_.next_strict, k)) {
                PpQnExpr arg = *arg_get(uint32_t(cur_.next_strict) + 1);
                cur_.head = std::move(cur);
                cur = std::move(arg);
                f_new();
                return 0;
            }
        }
        r = cur_.state.function->Apply(*this, k, ctl);
        // A function that hands back nothing has no result to go on with.
        if (!r)
            QN_LANG_RAISE(QN_LANG_BAD_MACHINE_STATE, "Flmachin", __LINE__);
        if (r->IsValue() && !r->History() && static_cast<QnValueExpr*>(r.Get())->ValuePtr()->IsUnique())
            r->SetHistory(canonical);
        QnLockGc gc;
        a->SetReduct(r.Get());
        canonical->SetReduct(r.Get());
        CacheOn(m, r.Get());
        if (ctl)
            ctl->NoteStep(0);
    } else {
        QnLockGc gc;
        a->SetReduct(r.Get());
        CacheOn(m, r.Get());
        if (ctl)
            ctl->NoteStep(1);
    }

    // The pending application outlives the pop: the state takes its lock.
    PpQnApplyExpr pending = std::move(pending_[pending_.size() - uint32_t(k)]);
    a_pop(k);
    cur_.state.kind = QnEvalState::KIND_STEP;
    cur_.state.pending = std::move(pending);
    cur_.next_strict = 0;
    cur = r->MakeEvalStep(*this, cur_.state);
    return 0;
}
