// Small blocks from the collecting allocator, and whole small collectable
// objects made and collected, beside glibc malloc and free of the same size.
#include "BenchmarkRatios.h"
#include "GcBenchNode.h"

#include "base/QnPhysicalMemory.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr size_t kBlock = sizeof(BenchNode);

void MallocFree(benchmark::State& state)
{
    std::vector<void*> blocks(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        for (void*& p : blocks)
            p = std::malloc(kBlock);
        for (void* p : blocks)
            std::free(p);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(MallocFree)->Arg(1000)->Arg(100000);

void StdAllocFree(benchmark::State& state)
{
    std::vector<void*> blocks(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        for (void*& p : blocks)
            p = QnOperatorNew(kBlock, &QnStdAlloc::stdalloc);
        for (void* p : blocks)
            QnOperatorDelete(p);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(StdAllocFree)->Arg(1000)->Arg(100000);

// The same with a fixed physical-memory reading: what the allocator costs
// beyond the reading (which reads a clock on every allocation).
uint64_t Plenty() { return uint64_t(1) << 40; }
void StdAllocFreeFixedReading(benchmark::State& state)
{
    QnPhysicalMemoryProvider previous = QnSetPhysicalMemoryProvider(Plenty);
    StdAllocFree(state);
    QnSetPhysicalMemoryProvider(previous);
}
BENCHMARK(StdAllocFreeFixedReading)->Arg(1000)->Arg(100000);

// Create (allocate, construct, lock, register) and let go; the collections
// that the allocator starts and one at the end reclaim them.
void CreateAndCollect(benchmark::State& state)
{
    for (auto _ : state) {
        for (int64_t i = 0; i < state.range(0); ++i)
            benchmark::DoNotOptimize(QnCreate<BenchNode>().Get());
        QnObj::CollectGarbage();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(CreateAndCollect)->Arg(1000)->Arg(100000);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(
        argc, argv, "gc_alloc",
        {{"allocator / malloc, 1 000 blocks", "StdAllocFree/1000", "MallocFree/1000"},
         {"allocator / malloc, 100 000 blocks", "StdAllocFree/100000", "MallocFree/100000"},
         {"create and collect / malloc, 100 000", "CreateAndCollect/100000", "MallocFree/100000"}});
}
