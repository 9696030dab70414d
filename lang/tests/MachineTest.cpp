// The evaluation machine: results, caching and what the control sees, the
// errors it raises, how it recovers from them, deep strict chains and
// nested evaluation from inside a built-in.
#include "LangTestValues.h"
#include "MachineTestSupport.h"

#include "lang/BiFun.h"
#include "lang/FunExpr.h"
#include "lang/LangExcept.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int g_calls = 0;

PpQnExpr CountingAdd(QnMachineContext& m, int, QnEvalControl*)
{
    ++g_calls;
    const int32_t x = IntOf(*m.arg_get(1)), y = IntOf(*m.arg_get(2));
    return IntNode(x + y);
}

PpQnExpr Throwing(QnMachineContext&, int, QnEvalControl*)
{
    QnLangExcept("boom", "test", 1).raise();
}

// Evaluates its argument again on the same machine, then adds 1.
PpQnExpr EvalsAgain(QnMachineContext& m, int, QnEvalControl* ctl)
{
    const PpQnExpr arg = *m.arg_get(1); // copied: the stacks move under a nested eval
    const PpQnExpr inner = App(Fn(FL_ADD), arg, IntNode(100));
    return IntNode(IntOf(m.eval(inner, ctl)) + 1);
}

int NotStrict(int, int) { return 0; }

} // namespace

TEST(Machine, ValuesAndPartialApplicationsComeBackAsTheyAre)
{
    QnMachineContext m;
    const PpQnExpr v = IntNode(5);
    EXPECT_EQ(m.eval(v, nullptr).Get(), v.Get());

    const PpQnExpr partial = App(Fn(FL_ADD), IntNode(1));
    EXPECT_EQ(m.eval(partial, nullptr).Get(), partial.Get());
    EXPECT_FALSE(static_cast<QnApplyExpr*>(partial.Get())->GetReduct());
    EXPECT_EQ(m.a_getdepth(), 0u);
    EXPECT_EQ(m.f_getdepth(), 0u);
}

TEST(Machine, SameApplicationTwiceAppliesOnceThenReusesTheResult)
{
    QnMachineContext m;
    const PpQnExpr add(PpQnFun(CountingAdd, 2), -1);
    const PpQnExpr e = App(add, IntNode(2), IntNode(3));
    g_calls = 0;
    RecordingControl first, second;
    EXPECT_EQ(EvalInt(m, e, &first), 5);
    EXPECT_EQ(EvalInt(m, e, &second), 5);
    EXPECT_EQ(g_calls, 1);
    EXPECT_EQ(first.steps, std::vector<int>{0});
    EXPECT_EQ(second.steps, std::vector<int>{1});

}

TEST(Machine, UniqueResultsFindTheResultCachedOnTheirHistory)
{
    // A unique value carries the application that produced it; applying a
    // function to it finds what was computed for that application.
    static int makes = 0, uses = 0;
    makes = uses = 0;
    const PpQnExpr make(PpQnFun([](QnMachineContext&, int, QnEvalControl*) -> PpQnExpr {
        ++makes;
        return PpQnExpr(PpQnFlVal(QnCreate<UniqueVal>()));
    }, 1), -1);
    const PpQnExpr use(PpQnFun([](QnMachineContext&, int, QnEvalControl*) -> PpQnExpr {
        ++uses;
        return IntNode(7);
    }, 1), -1);
    QnMachineContext m;
    const PpQnExpr source = App(make, IntNode(1));
    EXPECT_EQ(EvalInt(m, App(use, source)), 7);
    const PpQnExpr made = m.eval(source, nullptr);
    EXPECT_EQ(made->History(), source.Get());
    RecordingControl ctl;
    EXPECT_EQ(EvalInt(m, App(use, made), &ctl), 7);
    EXPECT_EQ(makes, 1);
    EXPECT_EQ(uses, 1);
    EXPECT_EQ(ctl.steps, std::vector<int>{1});
}

TEST(Machine, AbortBeforeTheFirstStepStopsTheEvaluation)
{
    QnMachineContext m;
    const PpQnExpr add(PpQnFun(CountingAdd, 2), -1);
    RecordingControl ctl;
    ctl.abort = 1;
    g_calls = 0;
    try {
        m.eval(App(add, IntNode(1), IntNode(1)), &ctl);
        FAIL() << "no abort";
    } catch (const QnLangUserAbortExcept& e) {
        EXPECT_STREQ(e.what(), "Evaluation aborted by user");
    }
    EXPECT_EQ(g_calls, 0);
    EXPECT_TRUE(ctl.steps.empty());
    EXPECT_EQ(m.f_getdepth(), 0u);
}

TEST(Machine, ErrorsOfTheMachine)
{
    QnMachineContext m;
    // A bare function node has no argument to hand its function.
    EXPECT_EQ(LangError([&] { m.eval(Fn(FL_ADD), nullptr); }).rfind("Bad argument request @ Flmachin", 0), 0u);
    // A value in function position.
    EXPECT_EQ(LangError([&] { m.eval(App(IntNode(1), IntNode(2)), nullptr); })
                  .rfind("Can't apply value to argument(s) @ Flmachin", 0),
              0u);
    EXPECT_EQ(LangError([&] { m.arg_get(0); }).rfind("Bad argument request", 0), 0u);
    EXPECT_EQ(LangError([&] { m.f_return(); }).rfind("Bad return operation from empty frame stack", 0), 0u);
    // A built-in that hands back nothing.
    const PpQnExpr none(PpQnFun(NoProc, 1), -1);
    EXPECT_EQ(LangError([&] { m.eval(App(none, IntNode(1)), nullptr); }).rfind("Bad evaluation machine state", 0), 0u);
    EXPECT_EQ(m.a_getdepth(), 0u);
    EXPECT_EQ(m.f_getdepth(), 0u);
}

TEST(Machine, ExceptionsLeaveTheStacksAsTheyWereAndTheMachineUsable)
{
    QnMachineContext m;
    const PpQnExpr boom(PpQnFun(Throwing, 1), -1);
    // Deep inside strict arguments: three frames open when it raises.
    const PpQnExpr e = App(Fn(FL_ADD), App(Fn(FL_ADD), App(Fn(FL_NEG), App(boom, IntNode(1))), IntNode(2)), IntNode(3));

    // Frames and arguments of an outer evaluation stay as they are.
    m.a_push(PpQnApplyExpr(), PpQnApplyExpr(), IntNode(42));
    m.f_new();
    m.a_push(PpQnApplyExpr(), PpQnApplyExpr(), IntNode(43));
    const int32_t objectsBefore = (QnObj::CollectGarbage(QnObj::DF_DISCARD, -1), QnObj::GetTotalNumberOfObjects());
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(LangError([&] { m.eval(e, nullptr); }), "boom @ test, line 1");
        EXPECT_EQ(m.a_getdepth(), 1u);
        EXPECT_EQ(m.f_getdepth(), 1u);
        EXPECT_EQ(m.arg_get(1)->Get(), IntNode(43).Get());
        EXPECT_EQ(m.t_getstack().GetCount(), 0u);
    }
    EXPECT_EQ(EvalInt(m, App(Fn(FL_MUL), IntNode(6), IntNode(7))), 42);
    m.f_return();
    EXPECT_EQ(m.a_getdepth(), 1u);
    m.a_pop(1);
    // Nothing the failed evaluations made is held by the machine any more.
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    EXPECT_LE(QnObj::GetTotalNumberOfObjects(), objectsBefore);
}

TEST(Machine, DeepStrictChainsRunWithoutNativeRecursion)
{
    // ADD (ADD (... (ADD 0 1) ...) 1) 1, 100 000 levels: every level is a
    // strict argument reduced in a frame of its own.
    constexpr int kDepth = 100000;
    QnMachineContext m;
    const PpQnExpr add = Fn(FL_ADD), one = IntNode(1);
    PpQnExpr e = IntNode(0);
    for (int i = 0; i < kDepth; ++i)
        e = App(add, e, one);
    EXPECT_EQ(EvalInt(m, e), kDepth);
    EXPECT_EQ(m.f_getdepth(), 0u);

    // The same depth through a function whose argument is lazy: NEG (ID
    // (ID ... x)) walks down a chain of reducts instead.
    const PpQnExpr lazyId(PpQnFun([](QnMachineContext& mm, int, QnEvalControl*) { return *mm.arg_get(1); },
                                  NotStrict, 1),
                          -1);
    PpQnExpr l = IntNode(9);
    for (int i = 0; i < kDepth; ++i)
        l = App(lazyId, l);
    EXPECT_EQ(EvalInt(m, App(Fn(FL_NEG), l)), -9);
}

TEST(Machine, ABuiltInMayEvaluateOnTheSameMachine)
{
    QnMachineContext m;
    const PpQnExpr again(PpQnFun(EvalsAgain, 1), -1);
    // Nested twice, inside a strict argument of an outer addition.
    const PpQnExpr e = App(Fn(FL_ADD), App(again, App(again, IntNode(1))), IntNode(1000));
    EXPECT_EQ(EvalInt(m, e), 1 + 101 + 101 + 1000);
    EXPECT_EQ(m.f_getdepth(), 0u);
    EXPECT_EQ(m.a_getdepth(), 0u);
}
