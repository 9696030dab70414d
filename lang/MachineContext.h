// The graph-reduction machine of the expression language. eval walks down
// application spines, pushing one (pending application, application,
// argument) triple per application on three parallel stacks, applies a
// function once its frame holds enough arguments, and goes on with the
// reduct, which it caches on the applications involved. Strict arguments
// are reduced in frames of their own on an explicit frame stack, so the
// depth of an expression is bounded by memory, not by the processor stack.
// Argument 1 of a frame is the top entry, the argument applied first.
#pragma once

#include "base/QnCriticalSection.h"
#include "lang/ApplyExpr.h"
#include "lang/EvalState.h"
#include "lang/TmpExprStack.h"

#include <cstdint>
#include <vector>

class QnEvalControl;

class QnMachineContext {
public:
    // What eval keeps of one level of strict evaluation.
    struct Frame {
        Frame() = default;
        explicit Frame(uint32_t b) : base(b) {}

        uint32_t base = 0;   // argument count when the frame began
        QnEvalState state;
        PpQnExpr head;       // the function node waiting for a strict argument
        int next_strict = 0; // next argument (0-based) whose strictness is asked
    };

    // One eval call's hold on the frame stack: opens a frame, and on the way
    // out (result or exception) returns every frame opened since.
    class LockFrameStack {
    public:
        explicit LockFrameStack(QnMachineContext& m);
        ~LockFrameStack();
        LockFrameStack(const LockFrameStack&) = delete;
        LockFrameStack& operator=(const LockFrameStack&) = delete;
        uint32_t GetBeginFrameStackDepth() const { return depth_; }

    private:
        QnMachineContext& m_;
        uint32_t depth_;
    };

    QnMachineContext() = default;
    QnMachineContext(const QnMachineContext&) = delete;
    QnMachineContext& operator=(const QnMachineContext&) = delete;

    // Reduces e until a value or tuple heads it, or a function with too few
    // arguments, and returns that node. ctl (may be null) is asked before
    // every step whether to stop and told of every reduction. A function
    // being applied may call eval again on the same machine. An expression
    // too deep for the memory of the stacks raises message 256. Machines
    // on several threads take turns: eval holds the collector's section
    // (QnLockGc), letting other threads in every few steps.
    PpQnExpr eval(const PpQnExpr& e, QnEvalControl* ctl);

    QnTmpExprStack& t_getstack() { return tmp_; }

    // The number of arguments of the current frame.
    uint32_t a_getdepth() const { return uint32_t(args_.size()) - cur_.base; }
    const PpQnExpr* argc_get(uint32_t n) { return arg_get(n); }

    // Argument n of the current frame; arg_get(n)[i] is argument n - i.
    // n = 0 or beyond the frame raises message 13. The pointers stay valid
    // until something is pushed: a function that evaluates on this machine
    // copies the handles it needs first.
    PpQnExpr* arg_get(uint32_t n);
    // The same addressing on the pending and the application stacks.
    PpQnApplyExpr* appm_get(uint32_t n);
    PpQnApplyExpr* appe_get(uint32_t n);

    // One entry on each stack (an application node stepping into its
    // function part); a_pop drops the top n of each.
    void a_push(const PpQnApplyExpr& pending, const PpQnApplyExpr& app, const PpQnExpr& arg);
    void a_push(PpQnApplyExpr&& pending, PpQnApplyExpr&& app, PpQnExpr&& arg);
    void a_pop(int n);

    // Saves the current frame and opens an empty one over the arguments
    // pushed so far; f_return drops the current frame's arguments and
    // restores the saved frame (message 14 when none is saved).
    void f_new();
    void f_return();
    // Ends the current frame with e: caches e on the frame's pending
    // application and returns the frame. 1 when that was the last frame of
    // lock's eval; 0 when the restored frame was waiting for e as a strict
    // argument, which is then in place and e is the frame's head again.
    int return_from_frame(PpQnExpr& e, const LockFrameStack& lock);
    uint32_t f_getdepth() const { return uint32_t(frames_.size()); }
    Frame& f_curr() { return cur_; }

private:
    // eval's loop; a failed allocation in it becomes message 256.
    PpQnExpr Reduce(const PpQnExpr& e, QnEvalControl* ctl);
    void CheckArg(uint32_t n) const;
    // The step of a function heading the spine: 1 when eval ends with cur.
    int ApplyStep(PpQnExpr& cur, QnEvalControl* ctl, const LockFrameStack& lock);

    QnCriticalSection cs_;
    QnTmpExprStack tmp_{16};
    std::vector<PpQnApplyExpr> pending_;
    std::vector<PpQnApplyExpr> apps_;
    std::vector<PpQnExpr> args_;
    Frame cur_;
    std::vector<Frame> frames_;
};
