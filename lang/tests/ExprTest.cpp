// Expression nodes: casts, tuple indexes, histories, the evaluation step of
// each kind and the rebuilding of application spines.
#include "LangTestValues.h"

#include "lang/ApplyExpr.h"
#include "lang/EvalState.h"
#include "lang/FunExpr.h"
#include "lang/MachineContext.h"
#include "lang/TupleExpr.h"
#include "lang/ValueExpr.h"

#include <gtest/gtest.h>

TEST(Expr, TupleIndexesRunFromTheLastArrayEntry)
{
    const PpQnExpr a = IntNode(1), b = IntNode(2), c = IntNode(3);
    const PpQnExpr elements[] = {a, b, c};
    PpQnTupleExpr t(3, elements);
    EXPECT_EQ(t->Arity(), 3);
    EXPECT_EQ(t->Index(0).Get(), c.Get());
    EXPECT_EQ(t->Index(2).Get(), a.Get());
    EXPECT_EQ(LangError([&] { t->Index(3); }), "Bad tuple index @ Flexpr, line 54");
    EXPECT_EQ(LangError([&] { t->Index(-1); }), "Bad tuple index @ Flexpr, line 54");
    EXPECT_EQ(LangError([&] { PpQnTupleExpr(0, elements); }), "Bad tuple arity @ Flexpr, line 43");
}

TEST(Expr, CastsNeverEvaluate)
{
    const PpQnExpr v = IntNode(7);
    const PpQnExpr f(PpQnFun(NoProc, 1), -1);
    PpQnApplyExpr app(f, v);
    app->SetReduct(v.Get()); // a cached value does not make it a value node
    const std::string notValue = "Bad cast to value expression (this is not value expression!) @ Flexpr, line 20";
    const std::string notTuple = "Bad cast to tuple expression (this is not tuple expression!) @ Flexpr, line 26";
    EXPECT_EQ(LangError([&] { app->CastToValue(); }), notValue);
    EXPECT_EQ(LangError([&] { f->CastToValue(); }), notValue);
    EXPECT_EQ(LangError([&] { v->CastToTuple(); }), notTuple);
    EXPECT_EQ(v->CastToValue().Get(), v.Get());
    EXPECT_EQ(v->IsValue(), 1);
    EXPECT_EQ(app->IsValue() + app->IsTuple() + f->IsValue() + f->IsTuple(), 0);
}

TEST(Expr, HistoryIsTheNodeItselfUntilSet)
{
    const PpQnExpr v = IntNode(7);
    PpQnApplyExpr app(v, v);
    EXPECT_EQ(v->GetHistory().Get(), v.Get());
    PpQnExpr u(PpQnFlVal(QnCreate<UniqueVal>()));
    u->SetHistory(app.Get());
    EXPECT_EQ(u->GetHistory().Get(), app.Get());
}

TEST(Expr, FunctionNodeArityMustBeTheFunctions)
{
    const PpQnFun variable(NoProc, -1);
    const PpQnFun two(NoProc, 2);
    for (int n : {-1, 0, 1, 2})
        EXPECT_EQ(LangError([&] { MakeFunExpr(variable, n); }), "Bad built-in function arity @ Flexpr, line 270") << n;
    EXPECT_EQ(LangError([&] { MakeFunExpr(two, 3); }), "Bad built-in function arity @ Flexpr, line 270");
    PpQnExpr node = MakeFunExpr(two, -1);
    EXPECT_EQ(static_cast<QnFunExpr*>(node.Get())->Arity(), 2);
}

TEST(Expr, ValueTupleAndFunctionNodesEndOrHeadTheSpine)
{
    QnMachineContext m;
    const PpQnExpr v = IntNode(1);
    QnEvalState s;
    EXPECT_EQ(v->MakeEvalStep(m, s).Get(), v.Get());
    EXPECT_EQ(s.kind, QnEvalState::KIND_VALUE);

    const PpQnExpr elements[] = {v};
    const PpQnExpr t(1, elements);
    QnEvalState st;
    EXPECT_EQ(t->MakeEvalStep(m, st).Get(), t.Get());
    EXPECT_EQ(st.kind, QnEvalState::KIND_VALUE);

    const PpQnFun fun(NoProc, 1);
    const PpQnExpr f(fun, 1);
    QnEvalState sf;
    EXPECT_EQ(f->MakeEvalStep(m, sf).Get(), f.Get());
    EXPECT_EQ(sf.kind, QnEvalState::KIND_FUNCTION);
    EXPECT_EQ(sf.function.Get(), fun.Get());
    EXPECT_EQ(m.a_getdepth(), 0u);
}

TEST(Expr, ApplicationStepPushesItsArgumentAndWalksLeft)
{
    QnMachineContext m;
    const PpQnExpr f(PpQnFun(NoProc, 2), -1);
    const PpQnExpr x = IntNode(1), y = IntNode(2);
    PpQnApplyExpr inner(f, x);
    PpQnApplyExpr outer(PpQnExpr(inner), y);

    QnEvalState s;
    PpQnExpr cur = outer->MakeEvalStep(m, s);
    EXPECT_EQ(cur.Get(), inner.Get());
    EXPECT_FALSE(s.pending);
    cur = cur->MakeEvalStep(m, s);
    EXPECT_EQ(cur.Get(), f.Get());
    EXPECT_EQ(s.kind, QnEvalState::KIND_STEP); // not written by applications
    ASSERT_EQ(m.a_getdepth(), 2u);
    EXPECT_EQ(m.arg_get(1)->Get(), x.Get());
    EXPECT_EQ(m.arg_get(2)->Get(), y.Get());
    EXPECT_EQ(m.appe_get(1)->Get(), inner.Get());
    EXPECT_EQ(m.appe_get(2)->Get(), outer.Get());
    // Each application was its own pending one.
    EXPECT_EQ(m.appm_get(1)->Get(), inner.Get());
    EXPECT_EQ(m.appm_get(2)->Get(), outer.Get());
    EXPECT_EQ(LangError([&] { m.arg_get(3); }).rfind("Bad argument request @ Flmachin, line", 0), 0u);
    EXPECT_EQ(LangError([&] { m.arg_get(0); }), LangError([&] { m.arg_get(3); }));
    m.a_pop(2);
    EXPECT_EQ(m.a_getdepth(), 0u);
}

TEST(Expr, CachedApplicationBecomesThePendingOneAndMovesOn)
{
    QnMachineContext m;
    const PpQnExpr f(PpQnFun(NoProc, 1), -1);
    const PpQnExpr x = IntNode(1), r = IntNode(9);
    PpQnApplyExpr cached(f, x);
    cached->SetReduct(r.Get());
    QnEvalState s;
    EXPECT_EQ(cached->MakeEvalStep(m, s).Get(), r.Get());
    EXPECT_EQ(s.pending.Get(), cached.Get());
    EXPECT_EQ(m.a_getdepth(), 0u);

    // Through the canonical link the same way.
    PpQnApplyExpr other(f, r);
    other->SetCanonical(cached.Get());
    QnEvalState s2;
    EXPECT_EQ(other->MakeEvalStep(m, s2).Get(), cached.Get());
    EXPECT_EQ(s2.pending.Get(), other.Get());

    // Links to the node itself count as none.
    PpQnApplyExpr self(x, x);
    self->SetReduct(self.Get());
    self->SetCanonical(self.Get());
    QnEvalState s3;
    EXPECT_EQ(self->MakeEvalStep(m, s3).Get(), x.Get());
    EXPECT_EQ(m.a_getdepth(), 1u);
    self->SetReduct(nullptr); // no cycle left for the collector to keep
}

TEST(Expr, MakeApplyTreeReusesMatchingApplications)
{
    const PpQnExpr f(PpQnFun(NoProc, 2), -1);
    const PpQnExpr x = IntNode(1), y = IntNode(2);
    PpQnApplyExpr inner(f, x);
    PpQnApplyExpr outer(PpQnExpr(inner), y);
    PpQnExpr args[] = {y, x};
    PpQnApplyExpr apps[] = {outer, inner};

    EXPECT_FALSE(QnApplyExpr::MakeApplyTree(f, args, apps, 0, 0));
    const int32_t before = QnObj::GetTotalNumberOfObjects();
    EXPECT_EQ(QnApplyExpr::MakeApplyTree(f, args, apps, 2, 0).Get(), outer.Get());
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), before);

    // With histories: x's history is another node, so from the inside out
    // nothing matches and the shared factory builds f h y.
    PpQnExpr u(PpQnFlVal(QnCreate<UniqueVal>()));
    PpQnApplyExpr withU(f, u);
    PpQnApplyExpr outerU(PpQnExpr(withU), y);
    u->SetHistory(x.Get());
    PpQnExpr uargs[] = {y, u};
    PpQnApplyExpr uapps[] = {outerU, withU};
    EXPECT_EQ(QnApplyExpr::MakeApplyTree(f, uargs, uapps, 2, 1).Get(), outer.Get());
    EXPECT_EQ(QnApplyExpr::MakeApplyTree(f, uargs, uapps, 2, 0).Get(), outerU.Get());
}

TEST(Expr, ArgumentsOnTheMachineStacksAreRootsUntilPopped)
{
    QnMachineContext m;
    {
        const PpQnExpr f(PpQnFun(NoProc, 1), -1);
        const PpQnExpr x(PpQnFlVal(QnCreate<UniqueVal>())); // in no table
        PpQnApplyExpr app(f, x);
        QnEvalState s;
        app->MakeEvalStep(m, s);
    }
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    ASSERT_EQ(m.a_getdepth(), 1u);
    QnExpr* arg = m.arg_get(1)->Get();
    EXPECT_TRUE(arg->IsValue());
    EXPECT_TRUE(arg->IsRegistered());
    const int32_t before = QnObj::GetTotalNumberOfObjects();
    m.a_pop(1);
    // The stacks also held the application, which kept the function node,
    // its entry and the function: all six go now.
    EXPECT_EQ(QnObj::CollectGarbage(QnObj::DF_DISCARD, -1), 6);
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), before - 6);
}
