#include "lang/Combinator.h"

#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"
#include "lang/MachineContext.h"

#include <utility>

namespace {

// A run that fails half-way leaves nothing of its own on the machine's
// scratch stack: the next run, or the next evaluation, starts clean.
class TmpStackMark {
public:
    explicit TmpStackMark(QnTmpExprStack& s) : s_(s), count_(s.GetCount()) {}
    ~TmpStackMark() { s_.Truncate(count_); }
    TmpStackMark(const TmpStackMark&) = delete;
    TmpStackMark& operator=(const TmpStackMark&) = delete;

private:
    QnTmpExprStack& s_;
    uint32_t count_;
};

} // namespace

QnCombinator::QnCombinator(const PpQnProgram& program, int arity) : arity_(arity), program_(program.Get())
{
    if (arity < 1)
        QN_LANG_RAISE(QN_LANG_BAD_COMBINATOR_ARITY, "Flmachin", __LINE__);
}

PpQnProgram QnCombinator::Program() const
{
    QnLockGc lock;
    return PpQnProgram(program_);
}

PpQnExpr QnCombinator::Apply(QnMachineContext& m, int, QnEvalControl*) const
{
    const PpQnProgram program = Program();
    QnTmpExprStack& s = m.t_getstack();
    TmpStackMark mark(s);
    for (uint32_t pc = 0;;) {
        program->Used();
        switch (program->GetCode(pc++)) {
        case OP_CONST:
            s.Push(program->GetConstant(program->GetCode(pc++)));
            break;
        case OP_ARG:
            s.Push(*m.arg_get(program->GetCode(pc++) + 1));
            break;
        case OP_APPLY:
            s.MakeApp();
            break;
        case OP_RETURN: {
            // The entry is popped: its lock goes with the result.
            PpQnExpr r = std::move(s.Get(1));
            s.Pop();
            return r;
        }
        default:
            QN_LANG_RAISE(QN_LANG_BAD_COMBINATOR_ARITY, "Flmachin", __LINE__);
        }
    }
}

void QnCombinator::MarkFixedObjects(Visitor visit)
{
    if (program_)
        visit(program_);
}

PpQnCombinator::PpQnCombinator(const PpQnProgram& program, int arity) : QnPp(QnCreate<QnCombinator>(program, arity))
{
}
