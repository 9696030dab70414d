// Compiling lambda terms to combinators: the two worked shapes of the
// editor, a table of term shapes with their programs, sharing of maximal
// free expressions, errors, and the terms' equality and contexts.
#include "LangTestValues.h"
#include "MachineTestSupport.h"

#include "lang/Combinator.h"
#include "lang/CompileFlExpr.h"
#include "lang/FunExpr.h"
#include "lang/MfeContext.h"
#include "lang/VarContext.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Words = std::vector<uint32_t>;

// The protected entry points, for the tests.
struct CompAccess : QnComp {
    using QnComp::AreEqual;
};

QnCombinator* CombinatorOf(const PpQnExpr& e)
{
    auto* fe = dynamic_cast<QnFunExpr*>(e.Get());
    return fe ? dynamic_cast<QnCombinator*>(fe->FunctionPtr()) : nullptr;
}

Words CodeOf(QnCombinator* c)
{
    Words w;
    const PpQnProgram p = c->Program();
    for (uint32_t i = 0; i < p->GetCodeCount(); ++i)
        w.push_back(p->GetCode(i));
    return w;
}

PpQnExpr ConstantOf(QnCombinator* c, uint32_t k) { return c->Program()->GetConstant(k); }

int g_negs = 0;
PpQnExpr CountingNeg(QnMachineContext& m, int, QnEvalControl*)
{
    ++g_negs;
    return IntNode(-IntOf(*m.arg_get(1)));
}

} // namespace

TEST(Compile, FunctionAppliedToTheParameterAndAConstant)
{
    // λp. ADD p 5: the shape of every editor operation.
    const PpQnCompVar p = NewVar();
    const PpQnExpr f = QnCompileFlExpr(CLam(p, CApp(CApp(CFn(FL_ADD), p), CInt(5))));
    QnCombinator* c = CombinatorOf(f);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->GetArity(), 1);
    EXPECT_EQ(CodeOf(c), (Words{OP_CONST, 0, OP_ARG, 0, OP_APPLY, OP_CONST, 1, OP_APPLY, OP_RETURN}));
    EXPECT_EQ(ConstantOf(c, 0).Get(), Fn(FL_ADD).Get());
    EXPECT_EQ(ConstantOf(c, 1).Get(), IntNode(5).Get());

    QnMachineContext m;
    EXPECT_EQ(EvalInt(m, App(f, IntNode(37))), 42);
}

TEST(Compile, InnerLambdaTakesItsFreeExpressionAsAParameter)
{
    // λx. λy. G (H x) y, with G = ADD and H a counting negation.
    const PpQnExpr h(PpQnFun(CountingNeg, 1), -1);
    const PpQnCompVar x = NewVar(), y = NewVar();
    const PpQnExpr cx = QnCompileFlExpr(CLam(x, CLam(y, CApp(CApp(CFn(FL_ADD), CApp(PpQnComp(h), x)), y))));
    QnCombinator* outer = CombinatorOf(cx);
    ASSERT_TRUE(outer);
    EXPECT_EQ(outer->GetArity(), 1);
    EXPECT_EQ(CodeOf(outer),
              (Words{OP_CONST, 0, OP_CONST, 1, OP_CONST, 2, OP_ARG, 0, OP_APPLY, OP_APPLY, OP_APPLY, OP_RETURN}));
    EXPECT_EQ(ConstantOf(outer, 1).Get(), Fn(FL_ADD).Get());
    EXPECT_EQ(ConstantOf(outer, 2).Get(), h.Get());
    QnCombinator* inner = CombinatorOf(ConstantOf(outer, 0));
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->GetArity(), 2);
    EXPECT_EQ(CodeOf(inner), (Words{OP_ARG, 0, OP_ARG, 1, OP_APPLY, OP_RETURN}));

    // Applied to a, it builds Cy (G (H a)) once; every application of that
    // to some y shares the one node of G (H a), so H runs once.
    QnMachineContext m;
    const PpQnExpr ca = App(cx, IntNode(5));
    const PpQnExpr partial = m.eval(ca, nullptr);
    ASSERT_FALSE(partial->IsValue());
    const PpQnExpr mfe = static_cast<QnApplyExpr*>(partial.Get())->Right();
    EXPECT_EQ(mfe.Get(), App(Fn(FL_ADD), App(h, IntNode(5))).Get());
    g_negs = 0;
    EXPECT_EQ(EvalInt(m, App(ca, IntNode(1))), -4);
    EXPECT_EQ(EvalInt(m, App(ca, IntNode(2))), -3);
    EXPECT_EQ(g_negs, 1);
}

TEST(Compile, TermShapesAndTheirPrograms)
{
    struct Case {
        const char* name;
        std::function<PpQnComp()> term;
        int arity;       // of the combinator delivered; 0: no combinator
        Words code;
        Words innerCode; // of the combinator that is constant 0, if any
        int innerArity;
    };
    const Case cases[] = {
        {"identity", [] { const PpQnCompVar x = NewVar(); return CLam(x, x); }, 1, {OP_ARG, 0, OP_RETURN}, {}, 0},
        {"closed body", [] { return CLam(NewVar(), CApp(CFn(FL_ADD), CInt(1), CInt(2))); }, 1,
         {OP_CONST, 0, OP_RETURN}, {}, 0},
        {"outer variable",
         [] {
             const PpQnCompVar x = NewVar();
             return CLam(x, CLam(NewVar(), x));
         },
         1, {OP_CONST, 0, OP_ARG, 0, OP_APPLY, OP_RETURN}, {OP_ARG, 0, OP_RETURN}, 2},
        {"nested lambda",
         [] {
             const PpQnCompVar y = NewVar();
             return CLam(NewVar(), CLam(y, y));
         },
         1, {OP_CONST, 0, OP_RETURN}, {OP_ARG, 0, OP_RETURN}, 1},
        {"same free expression twice",
         [] {
             const PpQnCompVar x = NewVar(), y = NewVar();
             const auto use = [&] { return CApp(CApp(CFn(FL_MUL), CApp(CFn(FL_NEG), x)), y); };
             return CLam(x, CLam(y, CApp(CFn(FL_ADD), use(), use())));
         },
         1, {OP_CONST, 0, OP_CONST, 1, OP_CONST, 2, OP_ARG, 0, OP_APPLY, OP_APPLY, OP_APPLY, OP_RETURN},
         {OP_CONST, 0, OP_ARG, 0, OP_ARG, 1, OP_APPLY, OP_APPLY, OP_ARG, 0, OP_ARG, 1, OP_APPLY, OP_APPLY, OP_RETURN},
         2},
        {"constants only", [] { return CApp(CFn(FL_ADD), CInt(1), CInt(2)); }, 0, {}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PpQnExpr e = QnCompileFlExpr(c.term());
        QnCombinator* comb = CombinatorOf(e);
        if (c.arity == 0) {
            EXPECT_FALSE(comb);
            EXPECT_EQ(e.Get(), App(Fn(FL_ADD), IntNode(1), IntNode(2)).Get());
            continue;
        }
        ASSERT_TRUE(comb);
        EXPECT_EQ(comb->GetArity(), c.arity);
        EXPECT_EQ(CodeOf(comb), c.code);
        if (c.innerArity) {
            QnCombinator* inner = CombinatorOf(ConstantOf(comb, 0));
            ASSERT_TRUE(inner);
            EXPECT_EQ(inner->GetArity(), c.innerArity);
            EXPECT_EQ(CodeOf(inner), c.innerCode);
        }
    }
    // A closed body is one shared node in the pool.
    const PpQnExpr closed = QnCompileFlExpr(cases[1].term());
    EXPECT_EQ(ConstantOf(CombinatorOf(closed), 0).Get(), App(Fn(FL_ADD), IntNode(1), IntNode(2)).Get());
    // Compiling again makes new combinators.
    EXPECT_NE(QnCompileFlExpr(cases[1].term()).Get(), closed.Get());
}

TEST(Compile, UnboundVariablesAndLambdasThatCannotBeCompared)
{
    const PpQnCompVar x = NewVar(), y = NewVar();
    const std::string unbound = "Can't compile (expression has unbound variables) @ Flcompil, line 122";
    EXPECT_EQ(LangError([&] { QnCompileFlExpr(x); }), unbound);
    EXPECT_EQ(LangError([&] { QnCompileFlExpr(CLam(x, CApp(CFn(FL_NEG), y))); }), unbound);
    // A lambda over one variable does not bind another made the same way.
    EXPECT_EQ(LangError([&] { QnCompileFlExpr(CLam(PpQnCompVar(QnCompVar::NEW_VAR), x)); }), unbound);

    const PpQnComp lam = CLam(x, x);
    EXPECT_TRUE(CompAccess::AreEqual(lam, lam));
    EXPECT_EQ(LangError([&] { CompAccess::AreEqual(lam, CLam(x, x)); }),
              "Compiler error (can't compare lambda-expressions) @ Flcompil, line 157");
}

TEST(Compile, TermEquality)
{
    const PpQnCompVar x = NewVar(), y = NewVar();
    EXPECT_FALSE(CompAccess::AreEqual(x, y));
    // Equal values share one node; unique values never do.
    EXPECT_TRUE(CompAccess::AreEqual(CInt(3), CInt(3)));
    EXPECT_FALSE(CompAccess::AreEqual(CInt(3), CInt(4)));
    const PpQnFlVal u(QnCreate<UniqueVal>());
    EXPECT_FALSE(CompAccess::AreEqual(PpQnCompConst(u), PpQnCompConst(u)));
    const PpQnExpr ue(u);
    EXPECT_TRUE(CompAccess::AreEqual(PpQnCompConst(ue), PpQnCompConst(ue)));
    // Applications compare part by part; never equal to another kind.
    EXPECT_TRUE(CompAccess::AreEqual(CApp(CInt(3), x), CApp(CInt(3), x)));
    EXPECT_FALSE(CompAccess::AreEqual(CApp(CInt(3), x), CApp(CInt(3), y)));
    EXPECT_FALSE(CompAccess::AreEqual(CApp(CInt(3), x), CInt(3)));
    EXPECT_FALSE(CompAccess::AreEqual(x, CApp(CInt(3), x)));
}

TEST(Compile, ContextsRecordFreeExpressionsAndScopes)
{
    QnMfeArray mfes;
    const QnMfeContext ctx(mfes);
    const PpQnCompVar x = NewVar();
    const PpQnCompVar a = ctx.AddMfe(CApp(CInt(3), x), 1);
    const PpQnCompVar b = ctx.AddMfe(CApp(CInt(3), x), 2);
    EXPECT_EQ(a.Get(), b.Get());
    ASSERT_EQ(mfes.GetCount(), 1);
    EXPECT_EQ(mfes.Get(1).level, 1);

    // The scope is left as it was found, also when a body fails to compile.
    QnVarContext vars;
    EXPECT_EQ(vars.current.var.Get(), nullptr);
    EXPECT_EQ(vars.current.depth, 0);
    EXPECT_THROW(QnCompileFlExpr(CLam(NewVar(), CLam(NewVar(), CApp(CFn(FL_NEG), x)))), QnLangExcept);
    const PpQnCompVar p = NewVar(), q = NewVar();
    const PpQnExpr ok = QnCompileFlExpr(CLam(p, CLam(q, CApp(CFn(FL_SUB), p, q))));
    QnMachineContext m;
    EXPECT_EQ(EvalInt(m, App(ok, IntNode(10), IntNode(3))), 7);
}
