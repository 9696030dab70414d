// Combinator programs: the code words, the constant pool, the scratch stack
// and how a combinator runs its program on a machine's frame.
#include "LangTestValues.h"
#include "MachineTestSupport.h"

#include "lang/Combinator.h"
#include "lang/FunExpr.h"
#include "lang/Program.h"
#include "lang/TmpExprStack.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

PpQnProgram MakeProgram(std::initializer_list<uint32_t> words, std::initializer_list<PpQnExpr> constants = {})
{
    PpQnProgram p(PpQnProgram::NEW);
    for (const PpQnExpr& c : constants)
        p->AddConstant(c);
    for (uint32_t w : words)
        p->AddCode(w);
    return p;
}

// Runs the combinator of program and arity on args (argument 1 first).
PpQnExpr RunCombinator(const PpQnProgram& program, int arity, std::initializer_list<PpQnExpr> args)
{
    QnMachineContext m;
    for (auto it = args.end(); it != args.begin();)
        m.a_push(PpQnApplyExpr(), PpQnApplyExpr(), *--it);
    return PpQnCombinator(program, arity)->Apply(m, arity, nullptr);
}

} // namespace

TEST(Program, ConstantPoolKeepsOneIndexPerNode)
{
    PpQnProgram p(PpQnProgram::NEW);
    const PpQnExpr a = IntNode(1), b = IntNode(2);
    EXPECT_EQ(p->AddConstant(a), 0u);
    EXPECT_EQ(p->AddConstant(b), 1u);
    EXPECT_EQ(p->AddConstant(a), 0u);
    EXPECT_EQ(p->GetConstantCount(), 2u);
    EXPECT_EQ(p->GetConstant(1).Get(), b.Get());
    EXPECT_THROW(p->GetConstant(2), QnRangeExcept);
    EXPECT_THROW(p->GetCode(0), QnRangeExcept);

    // The pool keeps its constants alive.
    PpQnProgram q(PpQnProgram::NEW);
    q->AddConstant(PpQnExpr(PpQnFlVal(QnCreate<UniqueVal>())));
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    EXPECT_TRUE(q->GetConstant(0)->IsValue());
}

TEST(Program, CombinatorsRunTheirCode)
{
    const PpQnExpr k = IntNode(77), x = IntNode(1), y = IntNode(2);
    // Constant and return: the constant's node whatever the arguments.
    EXPECT_EQ(RunCombinator(MakeProgram({OP_CONST, 0, OP_RETURN}, {k}), 1, {x}).Get(), k.Get());
    // Argument 1 applied to argument 2, shared: the same node twice.
    const PpQnProgram app = MakeProgram({OP_ARG, 0, OP_ARG, 1, OP_APPLY, OP_RETURN});
    const PpQnExpr r = RunCombinator(app, 2, {x, y});
    EXPECT_EQ(r.Get(), App(x, y).Get());
    EXPECT_EQ(RunCombinator(app, 2, {x, y}).Get(), r.Get());
    EXPECT_EQ(PpQnCombinator(app, 1)->IsArgStrict(0, 1), 0);
}

TEST(Program, BadProgramsAndArities)
{
    const PpQnExpr x = IntNode(1);
    EXPECT_EQ(LangError([] { PpQnCombinator(MakeProgram({OP_RETURN}), 0); }).rfind("Bad combinator arity", 0), 0u);
    EXPECT_EQ(LangError([] { PpQnCombinator(MakeProgram({OP_RETURN}), -1); }).rfind("Bad combinator arity", 0), 0u);
    EXPECT_EQ(LangError([&] { RunCombinator(MakeProgram({9}), 1, {x}); }).rfind("Bad combinator arity", 0), 0u);
    EXPECT_EQ(LangError([&] { RunCombinator(MakeProgram({OP_ARG, 1, OP_RETURN}), 1, {x}); }).rfind("Bad argument request", 0),
              0u);
    EXPECT_THROW(RunCombinator(MakeProgram({OP_ARG, 0}), 1, {x}), QnRangeExcept);              // runs off its end
    EXPECT_THROW(RunCombinator(MakeProgram({OP_CONST, 3, OP_RETURN}), 1, {x}), QnRangeExcept); // no such constant

    // A run that fails leaves nothing of its own on the scratch stack.
    QnMachineContext m;
    m.a_push(PpQnApplyExpr(), PpQnApplyExpr(), x);
    m.t_getstack().Push(x);
    const PpQnCombinator c(MakeProgram({OP_ARG, 0, OP_ARG, 0, OP_ARG, 5}), 1);
    EXPECT_THROW(c->Apply(m, 1, nullptr), QnLangExcept);
    EXPECT_EQ(m.t_getstack().GetCount(), 1u);
}

TEST(Program, MakeAppNeedsTwoEntries)
{
    QnTmpExprStack s;
    const PpQnExpr f = IntNode(5), x = IntNode(6);
    s.Push(f);
    EXPECT_EQ(LangError([&] { s.MakeApp(); }).rfind("Bad argument request @ Flmachin", 0), 0u);
    ASSERT_EQ(s.GetCount(), 1u);
    EXPECT_EQ(s.Get(1).Get(), f.Get());
    s.Push(x);
    s.MakeApp();
    ASSERT_EQ(s.GetCount(), 1u);
    EXPECT_EQ(s.Get(1).Get(), App(f, x).Get());
    EXPECT_THROW(s.Get(0), QnRangeExcept);
    EXPECT_THROW(s.Get(2), QnRangeExcept);
}
