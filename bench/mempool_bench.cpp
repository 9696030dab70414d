// Fixed-size pool blocks against glibc malloc of the same size.
#include "BenchmarkRatios.h"
#include "base/QnMemPool.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

static void PoolAllocFree(benchmark::State& state)
{
    QnMemPool pool(64);
    std::vector<void*> blocks(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        for (void*& p : blocks)
            p = pool.alloc();
        for (void* p : blocks)
            pool.free(p);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PoolAllocFree)->Arg(1000)->Arg(100000);

static void MallocFree(benchmark::State& state)
{
    std::vector<void*> blocks(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        for (void*& p : blocks)
            p = std::malloc(64);
        for (void* p : blocks)
            std::free(p);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(MallocFree)->Arg(1000)->Arg(100000);

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(argc, argv, "mempool",
                                   {{"pool / malloc, 1 000 blocks", "PoolAllocFree/1000", "MallocFree/1000"},
                                    {"pool / malloc, 100 000 blocks", "PoolAllocFree/100000", "MallocFree/100000"}});
}
