// The evaluation machine's argument stacks: three parallel stacks of the
// pending application, the application and the argument of each application
// that a walk down a spine has passed, and the addressing of the current
// frame's arguments that functions read while they are applied. Argument 1
// is the top entry, the argument applied first.
#pragma once

#include "base/QnCriticalSection.h"
#include "lang/ApplyExpr.h"

#include <cstdint>
#include <vector>

class QnMachineContext {
public:
    QnMachineContext() = default;
    QnMachineContext(const QnMachineContext&) = delete;
    QnMachineContext& operator=(const QnMachineContext&) = delete;

    // The number of arguments of the current frame.
    uint32_t a_getdepth() const { return uint32_t(args_.size()) - base_; }
    const PpQnExpr* argc_get(uint32_t n) { return arg_get(n); }

    // Argument n of the current frame; arg_get(n)[i] is argument n - i.
    // n = 0 or beyond the frame raises message 13.
    PpQnExpr* arg_get(uint32_t n);
    // The same addressing on the pending and the application stacks.
    PpQnApplyExpr* appm_get(uint32_t n);
    PpQnApplyExpr* appe_get(uint32_t n);

    // One entry on each stack (an application node stepping into its
    // function part); a_pop drops the top n of each.
    void a_push(const PpQnApplyExpr& pending, const PpQnApplyExpr& app, const PpQnExpr& arg);
    void a_pop(int n);

protected:
    void CheckArg(uint32_t n) const;

    QnCriticalSection cs_;
    std::vector<PpQnApplyExpr> pending_;
    std::vector<PpQnApplyExpr> apps_;
    std::vector<PpQnExpr> args_;
    uint32_t base_ = 0; // stack count where the current frame begins
};
