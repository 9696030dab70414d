#include "lang/MachineContext.h"

#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"

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

void QnMachineContext::a_pop(int n)
{
    for (; n > 0 && !args_.empty(); --n) {
        args_.pop_back();
        pending_.pop_back();
        apps_.pop_back();
    }
}
