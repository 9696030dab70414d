// The standard built-ins: their ids, one table of results, the laziness of
// the selecting ones, their errors, tuples and the fixed point.
#include "LangTestValues.h"
#include "MachineTestSupport.h"

#include "lang/CompileFlExpr.h"
#include "lang/FunRegistry.h"
#include "lang/TupleExpr.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

PpQnExpr Apply(QnFunId id, const std::vector<int32_t>& args)
{
    PpQnExpr e = Fn(id);
    for (int32_t a : args)
        e = App(e, IntNode(a));
    return e;
}

// Fails the test if evaluated: shows that a branch was not taken.
PpQnExpr Poison()
{
    static const PpQnExpr poison(
        PpQnFun([](QnMachineContext&, int, QnEvalControl*) -> PpQnExpr {
            ADD_FAILURE() << "an argument that is not needed was evaluated";
            return IntNode(0);
        }, 1),
        -1);
    return App(poison, IntNode(0));
}

} // namespace

TEST(StandardBiFun, RegisteredFirstWithTheirArities)
{
    ASSERT_GE(QnFunRegistry::Process().GetCount(), int32_t(FL_STANDARD_COUNT));
    const int arities[] = {2, 2, 2, 2, 2, 2, 1, 1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 3, -1, -1, 2, 1};
    for (uint32_t id = 1; id <= FL_STANDARD_COUNT; ++id)
        EXPECT_EQ(PpQnFun(QnFunId(id))->GetArity(), arities[id - 1]) << id;
    // Strictness: SELECT and IF only in their first argument, TUPLE and Y in none.
    EXPECT_EQ(PpQnFun(FL_SELECT)->IsArgStrict(0, 3), 1);
    EXPECT_EQ(PpQnFun(FL_SELECT)->IsArgStrict(1, 3), 0);
    EXPECT_EQ(PpQnFun(FL_IF)->IsArgStrict(2, 3), 0);
    EXPECT_EQ(PpQnFun(FL_TUPLE)->IsArgStrict(0, 2), 0);
    EXPECT_EQ(PpQnFun(FL_Y)->IsArgStrict(0, 1), 0);
    EXPECT_EQ(PpQnFun(FL_ADD)->IsArgStrict(1, 2), 1);
}

TEST(StandardBiFun, IntegerResults)
{
    struct Case {
        QnFunId id;
        std::vector<int32_t> args;
        int32_t expected;
    };
    const Case cases[] = {
        {FL_ADD, {2, 3}, 5},          {FL_ADD, {kMax, 1}, kMin},     {FL_SUB, {kMin, 1}, kMax},
        {FL_SUB, {3, 5}, -2},         {FL_MUL, {-4, 5}, -20},        {FL_MUL, {65536, 65536}, 0},
        {FL_MUL, {kMin, -1}, kMin},   {FL_DIV, {-7, 2}, -3},         {FL_DIV, {7, -2}, -3},
        {FL_DIV, {kMin, -1}, kMin},   {FL_MOD, {-7, 2}, -1},         {FL_MOD, {7, -2}, 1},
        {FL_MOD, {kMin, -1}, 0},      {FL_NEG, {5}, -5},             {FL_NEG, {kMin}, kMin},
        {FL_ID, {17}, 17},            {FL_NOT, {0}, 1},              {FL_NOT, {-3}, 0},
        {FL_LNOT, {0}, 1},            {FL_LNOT, {2}, 0},             {FL_EQ, {kMax, kMin}, 0},
        {FL_EQ, {4, 4}, 1},           {FL_NE, {4, 4}, 0},            {FL_NE, {kMax, kMin}, 1},
        {FL_GT, {kMax, -1}, 1},       {FL_GT, {-1, kMax}, 0},        {FL_LT, {kMin, 0}, 1},
        {FL_LT, {0, 0}, 0},           {FL_GE, {0, 0}, 1},            {FL_GE, {-1, 0}, 0},
        {FL_LE, {0, 0}, 1},           {FL_LE, {1, 0}, 0},            {FL_AND, {2, -1}, 1},
        {FL_AND, {2, 0}, 0},          {FL_OR, {0, 0}, 0},            {FL_OR, {0, 9}, 1},
        {FL_EQUIV, {0, 0}, 1},        {FL_EQUIV, {5, -5}, 1},        {FL_EQUIV, {5, 0}, 0},
        {FL_SELECT, {0, 10, 20}, 20}, {FL_SELECT, {1, 10, 20}, 10},  {FL_SELECT, {-1, 10, 20}, 10},
        {FL_SELECT, {kMax, 10, 20}, 10},
    };
    QnMachineContext m;
    for (const Case& c : cases)
        EXPECT_EQ(EvalInt(m, Apply(c.id, c.args)), c.expected) << uint32_t(c.id) << " " << ::testing::PrintToString(c.args);
}

TEST(StandardBiFun, SelectEvaluatesOnlyTheBranchItTakes)
{
    QnMachineContext m;
    EXPECT_EQ(EvalInt(m, App(App(Fn(FL_SELECT), IntNode(0), Poison()), IntNode(4))), 4);
    EXPECT_EQ(EvalInt(m, App(App(Fn(FL_SELECT), IntNode(1), IntNode(3)), Poison())), 3);
    // ID hands back the very node of its (evaluated) argument.
    const PpQnExpr v = IntNode(12345);
    EXPECT_EQ(m.eval(App(Fn(FL_ID), v), nullptr).Get(), v.Get());
}

TEST(StandardBiFun, Errors)
{
    QnMachineContext m;
    for (QnFunId id : {FL_DIV, FL_MOD, FL_DIVMOD})
        EXPECT_EQ(LangError([&] { m.eval(Apply(id, {kMin, 0}), nullptr); }).rfind("Division by zero @ Flfun, line", 0),
                  0u)
            << uint32_t(id);
    // Operands of the wrong kind: a tuple is no value, a text is no integer.
    const PpQnExpr pair[] = {IntNode(1), IntNode(2)};
    const PpQnExpr tuple(2, pair);
    EXPECT_EQ(LangError([&] { m.eval(App(Fn(FL_NEG), tuple), nullptr); }).rfind("Bad cast to value expression", 0),
              0u);
    EXPECT_EQ(LangError([&] { m.eval(App(Fn(FL_ELEMENT), IntNode(0), IntNode(1)), nullptr); })
                  .rfind("Bad cast to tuple expression", 0),
              0u);
    EXPECT_THROW(m.eval(App(Fn(FL_NEG), PpQnExpr(PpQnFlVal("text"))), nullptr), QnCastExcept);
    EXPECT_EQ(m.f_getdepth(), 0u);
    EXPECT_EQ(m.a_getdepth(), 0u);
}

TEST(StandardBiFun, TuplesAndElements)
{
    QnMachineContext m;
    const PpQnExpr divmod = m.eval(Apply(FL_DIVMOD, {-7, 2}), nullptr);
    ASSERT_TRUE(divmod->IsTuple());
    auto* t = static_cast<QnTupleExpr*>(divmod.Get());
    EXPECT_EQ(IntOf(t->Index(0)), -3);
    EXPECT_EQ(IntOf(t->Index(1)), -1);
    EXPECT_EQ(EvalInt(m, App(Fn(FL_ELEMENT), IntNode(0), Apply(FL_DIVMOD, {7, 2}))), 3);
    EXPECT_EQ(EvalInt(m, App(Fn(FL_ELEMENT), IntNode(1), Apply(FL_DIVMOD, {7, 2}))), 1);
    for (int32_t bad : {-1, 2})
        EXPECT_EQ(LangError([&] { m.eval(App(Fn(FL_ELEMENT), IntNode(bad), divmod), nullptr); })
                      .rfind("Bad tuple index @ Flfun", 0),
                  0u)
            << bad;

    // IF and TUPLE have a variable arity: no function node takes them, so
    // their procedures are applied to a frame directly.
    EXPECT_EQ(LangError([] { Fn(FL_IF); }).rfind("Bad built-in function arity", 0), 0u);
    QnMachineContext direct;
    const PpQnExpr a = IntNode(1), b = Poison(), c = IntNode(3);
    for (const PpQnExpr& arg : {c, b, a}) // argument 1 goes on last
        direct.a_push(PpQnApplyExpr(), PpQnApplyExpr(), arg);
    EXPECT_EQ(PpQnFun(FL_IF)->Apply(direct, 3, nullptr).Get(), b.Get());
    const PpQnExpr tup = PpQnFun(FL_TUPLE)->Apply(direct, 3, nullptr);
    auto* tt = static_cast<QnTupleExpr*>(tup.Get());
    ASSERT_EQ(tt->Arity(), 3);
    EXPECT_EQ(tt->Index(0).Get(), a.Get());
    EXPECT_EQ(tt->Index(1).Get(), b.Get()); // as it stands, not evaluated
    EXPECT_EQ(tt->Index(2).Get(), c.Get());
    direct.a_pop(3);
    EXPECT_EQ(LangError([&] { PpQnFun(FL_IF)->Apply(direct, 3, nullptr); }).rfind("Bad argument request", 0), 0u);
    EXPECT_EQ(LangError([&] { PpQnFun(FL_TUPLE)->Apply(direct, 0, nullptr); }).rfind("Bad argument request", 0), 0u);
}

TEST(StandardBiFun, FixedPointOfACompiledFactorial)
{
    // Y (λf. λn. SELECT n (MUL n (f (SUB n 1))) 1)
    const PpQnCompVar f = NewVar(), n = NewVar();
    const PpQnComp body =
        CApp(CApp(CFn(FL_SELECT), n, CApp(CFn(FL_MUL), n, CApp(f, CApp(CFn(FL_SUB), n, CInt(1))))), CInt(1));
    const PpQnExpr fact = App(Fn(FL_Y), QnCompileFlExpr(CLam(f, CLam(n, body))));
    QnMachineContext m;
    EXPECT_EQ(EvalInt(m, App(fact, IntNode(10))), 3628800);
    EXPECT_EQ(EvalInt(m, App(fact, IntNode(0))), 1);
    EXPECT_EQ(EvalInt(m, App(fact, IntNode(12))), 479001600);
}
