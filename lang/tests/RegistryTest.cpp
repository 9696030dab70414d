// The function registry and built-in functions: ids in registration order,
// growth, look-ups of unknown ids, and registration from several threads.
#include "lang/BiFun.h"
#include "lang/Expr.h"
#include "lang/FlInt.h"
#include "lang/FunRegistry.h"
#include "lang/MachineContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {

PpQnExpr NullProc(QnMachineContext&, int, QnEvalControl*) { return PpQnExpr(); }
int SecondOnly(int i, int) { return i == 1; }

std::vector<PpQnFun> MakeFunctions(int n)
{
    std::vector<PpQnFun> fs;
    for (int i = 0; i < n; ++i)
        fs.emplace_back(NullProc, i % 3);
    return fs;
}

} // namespace

TEST(FunRegistry, IdsFollowRegistrationOrderAndSurviveGrowth)
{
    QnFunRegistry registry;
    const std::vector<PpQnFun> fs = MakeFunctions(65);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(uint32_t(registry.Register(fs[i])), uint32_t(i + 1));
    EXPECT_EQ(uint32_t(registry.Register(fs[24])), 25u);
    EXPECT_EQ(registry.GetCapacity(), 64);
    for (int i = 25; i < 64; ++i)
        registry.Register(fs[i]);
    EXPECT_EQ(uint32_t(registry.Register(fs[64])), 65u);
    EXPECT_EQ(registry.GetCapacity(), 128);
    for (int i = 0; i < 65; ++i)
        EXPECT_EQ(registry.Lookup(QnFunId(i + 1)).Get(), fs[i].Get());
}

TEST(FunRegistry, UnknownIdsRaiseRangeErrors)
{
    QnFunRegistry registry;
    EXPECT_THROW(registry.Lookup(QnFunId(1)), QnRangeExcept); // empty
    registry.Register(MakeFunctions(1)[0]);
    for (uint32_t id : {0u, 2u, 64u, 65u, 0xFFFFFFFFu})
        EXPECT_THROW(registry.Lookup(QnFunId(id)), QnRangeExcept) << id;
    EXPECT_THROW(PpQnFun(QnFunId(0)), QnRangeExcept);
    EXPECT_THROW(PpQnFun(QnFunId(0x7FFFFFFF)), QnRangeExcept);
}

TEST(FunRegistry, SameFunctionTwiceGetsTwoIdsAndNullIsAccepted)
{
    QnFunRegistry registry;
    PpQnFun f(NullProc, 1);
    const QnFunId a = registry.Register(f);
    const QnFunId b = registry.Register(f);
    EXPECT_NE(uint32_t(a), uint32_t(b));
    EXPECT_EQ(registry.Lookup(a).Get(), registry.Lookup(b).Get());
    const QnFunId n = registry.Register(PpQnFun());
    EXPECT_EQ(registry.Lookup(n).Get(), nullptr);
}

TEST(FunRegistry, ProcessRegistryKeepsItsFunctionsThroughCollections)
{
    const int32_t before = QnFunRegistry::Process().GetCount();
    QnFunId id;
    {
        PpQnFun f(NullProc, 2);
        id = QnFun::RegisterFun(f);
    }
    EXPECT_EQ(uint32_t(id), uint32_t(before + 1));
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    PpQnFun again(id);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->GetArity(), 2);
    EXPECT_EQ(uint32_t(FL_ADD), 1u);
    EXPECT_EQ(uint32_t(FL_Y), 24u);
}

TEST(FunRegistry, RegistrationsAndLookupsFromSeveralThreads)
{
    QnFunRegistry registry;
    const std::vector<PpQnFun> fs = MakeFunctions(8);
    const QnFunId first = registry.Register(fs[0]);
    constexpr int kThreads = 6, kEach = 500;
    std::atomic<bool> bad{false};
    std::vector<std::thread> threads;
    std::vector<std::vector<uint32_t>> ids(kThreads);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kEach; ++i) {
                ids[t].push_back(registry.Register(fs[(t + i) % 8]));
                // Look-ups while other threads grow the block.
                if (registry.Lookup(first).Get() != fs[0].Get())
                    bad = true;
            }
        });
    }
    for (std::thread& th : threads)
        th.join();
    EXPECT_FALSE(bad);
    std::vector<uint32_t> all;
    for (int t = 0; t < kThreads; ++t) {
        for (int i = 0; i < kEach; ++i) {
            all.push_back(ids[t][i]);
            EXPECT_EQ(registry.Lookup(QnFunId(ids[t][i])).Get(), fs[(t + i) % 8].Get());
        }
    }
    std::sort(all.begin(), all.end());
    for (size_t i = 0; i < all.size(); ++i)
        ASSERT_EQ(all[i], uint32_t(i + 2)); // dense, distinct, after the first
    EXPECT_EQ(registry.GetCount(), kThreads * kEach + 1);
}

TEST(BiFun, StrictnessAndApply)
{
    PpQnFun plain(NullProc, 2);
    PpQnFun picky(NullProc, SecondOnly, -1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(plain->IsArgStrict(i, 4), 1);
    EXPECT_EQ(picky->IsArgStrict(0, 3), 0);
    EXPECT_EQ(picky->IsArgStrict(1, 3), 1);
    EXPECT_EQ(picky->GetArity(), -1);

    // The procedure gets the machine, the count and the control unchanged,
    // and reads its arguments from the machine's frame.
    PpQnFun second(
        [](QnMachineContext& m, int n, QnEvalControl*) -> PpQnExpr { return n == 2 ? m.arg_get(2)[0] : PpQnExpr(); },
        2);
    QnMachineContext m;
    PpQnExpr a(PpQnFlVal(1)), b(PpQnFlVal(2));
    m.a_push(PpQnApplyExpr(), PpQnApplyExpr(), b); // applied second
    m.a_push(PpQnApplyExpr(), PpQnApplyExpr(), a); // argument 1
    EXPECT_EQ(second->Apply(m, 2, nullptr).Get(), b.Get());
}
