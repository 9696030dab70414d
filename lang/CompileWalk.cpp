#include "lang/CompileWalk.h"

#include "lang/CompApply.h"
#include "lang/CompLambda.h"
#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"

#include <memory>
#include <utility>
#include <vector>

namespace {

// A term whose parts are being compiled: an application waiting for its
// function's or its argument's result, or a lambda waiting for its body's.
struct Pending {
    Pending(PpQnComp t, QnMfeArray* m, std::unique_ptr<QnLambdaStep> s = nullptr)
        : term(std::move(t)), mfes(m), step(std::move(s))
    {
    }

    PpQnComp term;
    QnMfeArray* mfes;                   // the context the term is compiled in
    bool argument = false;              // application: the argument is under way
    QnCompiled function;                // application: the function's result
    std::unique_ptr<QnLambdaStep> step; // lambda
};

// The pending terms, innermost last. On the way out (also when a part
// raises) they are dropped innermost first, so that each lambda leaves the
// scope in the reverse order of entering it.
class PendingStack {
public:
    ~PendingStack()
    {
        while (!items_.empty())
            items_.pop_back();
    }
    std::vector<Pending>& Items() { return items_; }

private:
    std::vector<Pending> items_;
};

} // namespace

void QnCompileWalk::RaiseTooLarge() { QN_LANG_RAISE(QN_LANG_TOO_LARGE, "Flcompil", __LINE__); }

QnComp::COMPSTAT QnCompileWalk::Run(const PpQnComp& t, PpQnExpr& expr, PpQnComp& term, QnMfeArray& mfes,
                                     QnVarContext& vars)
{
    QnCompiled result;
    Guard([&] {
        PendingStack stack;
        std::vector<Pending>& pending = stack.Items();
        PpQnComp next = t;         // the term to compile next, if any
        QnMfeArray* ctx = &mfes;   // ... in this context
        for (;;) {
            // Down: open applications and lambdas until a constant or a
            // variable, which compiles on its own.
            while (next) {
                switch (QnComp::GetNodeId(next)) {
                case QnComp::NODE_APPLY: {
                    auto* a = static_cast<QnCompApply*>(next.Get());
                    pending.emplace_back(std::move(next), ctx);
                    next = PpQnComp(a->FunctionPtr());
                    break;
                }
                case QnComp::NODE_LAMBDA: {
                    auto* l = static_cast<QnCompLambda*>(next.Get());
                    auto step = std::make_unique<QnLambdaStep>(*l, vars);
                    QnMfeArray* inner = &step->Params();
                    pending.emplace_back(std::move(next), ctx, std::move(step));
                    ctx = inner;
                    next = PpQnComp(l->BodyPtr());
                    break;
                }
                default:
                    result = QnCompiled();
                    result.stat = QnComp::Compile(next, result.expr, result.term, QnMfeContext(*ctx), vars);
                    next = PpQnComp();
                    break;
                }
            }
            // Up: hand the result to the innermost pending term.
            for (;;) {
                if (pending.empty())
                    return;
                Pending& p = pending.back();
                ctx = p.mfes;
                if (p.step) {
                    const QnCompiled body = std::move(result);
                    const bool done = p.step->Finish(body, result, next);
                    pending.pop_back();
                    if (!done)
                        break; // the lambda's stand-in, compiled where it stood
                } else if (!p.argument) {
                    p.function = std::move(result);
                    p.argument = true;
                    next = PpQnComp(static_cast<QnCompApply*>(p.term.Get())->ArgumentPtr());
                    break;
                } else {
                    result = QnCompApply::Combine(p.function, result, QnMfeContext(*ctx));
                    pending.pop_back();
                }
            }
        }
    });
    if (result.stat.status == QnComp::STAT_CLOSED)
        expr = std::move(result.expr);
    else
        term = std::move(result.term);
    return result.stat;
}
