// Machines on several threads compile and evaluate their own programs at
// once, sharing the expression tables and the collector, while one more
// thread drops caches: every result is right, and under the tsan preset no
// access races. Threads other than the collector's build their terms and
// read their results inside QnLockGc; compilation and evaluation take it
// themselves.
#include "LangTestValues.h"
#include "MachineTestSupport.h"

#include "lang/CompileFlExpr.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

int32_t Fib(int32_t n) { return n < 2 ? n : Fib(n - 1) + Fib(n - 2); }

// ELEMENT 0 (DIVMOD (fib n) 3) with fib through Y, compiled afresh: every
// call makes new combinators and function nodes, and the quotient comes
// out of a tuple, so all four sharing tables take entries from every thread.
PpQnExpr FibThirdProgram(int32_t n)
{
    const PpQnCompVar f = NewVar(), k = NewVar();
    const PpQnComp body =
        CApp(CApp(CFn(FL_SELECT), CApp(CFn(FL_LT), k, CInt(2)), k),
             CApp(CFn(FL_ADD), CApp(f, CApp(CFn(FL_SUB), k, CInt(1))), CApp(f, CApp(CFn(FL_SUB), k, CInt(2)))));
    const PpQnExpr fib = App(Fn(FL_Y), QnCompileFlExpr(CLam(f, CLam(k, body))));
    return App(Fn(FL_ELEMENT), IntNode(0), App(Fn(FL_DIVMOD), App(fib, IntNode(n)), IntNode(3)));
}

} // namespace

TEST(ConcurrentMachines, CompileAndEvaluateAtOnceWhileCachesAreDropped)
{
    constexpr int kThreads = 4, kRounds = 30;
    std::atomic<int> wrong{0}, finished{0};
    std::atomic<bool> stop{false};

    std::thread dropper([&stop] {
        while (!stop) {
            {
                QnLockGc gc;
                QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    std::vector<std::thread> machines;
    for (int t = 0; t < kThreads; ++t) {
        machines.emplace_back([&, t] {
            QnMachineContext m;
            for (int round = 0; round < kRounds; ++round) {
                const int32_t n = 8 + (t + round) % 8;
                PpQnExpr program;
                {
                    QnLockGc gc;
                    program = FibThirdProgram(n);
                }
                const PpQnExpr result = m.eval(program, nullptr);
                QnLockGc gc;
                if (IntOf(result) != Fib(n) / 3)
                    ++wrong;
            }
            ++finished;
        });
    }
    for (std::thread& th : machines)
        th.join();
    stop = true;
    dropper.join();
    EXPECT_EQ(finished, kThreads);
    EXPECT_EQ(wrong, 0);
}
