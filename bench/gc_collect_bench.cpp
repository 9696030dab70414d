// Collection pause over a graph of live objects, per object, beside a full
// collection of the Boehm collector over a graph of the same shape: a chain
// through every object (fixed links) and one link from each object to a
// random other one (followed as fixed in mode DF_FIX, reported as a cache in
// mode DF_DISCARD, where the chain keeps every target anyway).
#include "BenchmarkRatios.h"
#include "GcBenchNode.h"

#include <benchmark/benchmark.h>
// GC_THREADS exposes the marker-thread count.
#define GC_THREADS
#include <gc/gc.h>

#include <chrono>
#include <random>
#include <vector>

struct BoehmNode {
    BoehmNode* next;
    BoehmNode* other;
    int64_t value;
};

// The root of the Boehm graph: static data, which Boehm scans for roots
// (external, so the compiler keeps the stores).
BoehmNode* boehmBenchRoot = nullptr;

namespace {

std::vector<size_t> RandomTargets(size_t n)
{
    std::mt19937_64 rng(42);
    std::vector<size_t> targets(n);
    for (size_t& t : targets)
        t = std::uniform_int_distribution<size_t>(0, n - 1)(rng);
    return targets;
}

// Runs collect once per iteration and reports the pause per object.
template <class Collect>
void TimePauses(benchmark::State& state, int64_t objects, Collect collect)
{
    double ns = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        collect();
        ns += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["ns_per_object"] = ns / static_cast<double>(state.iterations()) / static_cast<double>(objects);
}

void QnCollect(benchmark::State& state, QnObj::DF mode)
{
    const auto n = static_cast<size_t>(state.range(0));
    const std::vector<size_t> targets = RandomTargets(n);
    std::vector<BenchNode*> nodes(n);
    QnPp<BenchNode> root;
    for (size_t i = 0; i < n; ++i) {
        QnPp<BenchNode> node = QnCreate<BenchNode>();
        nodes[i] = node.Get();
        if (i == 0)
            root = node;
        else
            nodes[i - 1]->next = node.Get();
    }
    for (size_t i = 0; i < n; ++i)
        nodes[i]->other = nodes[targets[i]];
    BenchNode::otherIsCache = mode == QnObj::DF_DISCARD;
    QnObj::CollectGarbage(mode);

    TimePauses(state, state.range(0), [mode] { benchmark::DoNotOptimize(QnObj::CollectGarbage(mode)); });
    state.counters["objects"] = QnObj::GetTotalNumberOfObjects();

    root.Reset();
    QnObj::CollectGarbage(QnObj::DF_DISCARD);
}

void QnCollectMode0(benchmark::State& state) { QnCollect(state, QnObj::DF_FIX); }
void QnCollectMode2(benchmark::State& state) { QnCollect(state, QnObj::DF_DISCARD); }
BENCHMARK(QnCollectMode0)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(QnCollectMode2)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BoehmFullCollect(benchmark::State& state)
{
    const auto n = static_cast<size_t>(state.range(0));
    const std::vector<size_t> targets = RandomTargets(n);
    std::vector<BoehmNode*> nodes(n);
    for (size_t i = 0; i < n; ++i) {
        nodes[i] = static_cast<BoehmNode*>(GC_MALLOC(sizeof(BoehmNode)));
        nodes[i]->value = 1;
        if (i == 0)
            boehmBenchRoot = nodes[i];
        else
            nodes[i - 1]->next = nodes[i];
    }
    for (size_t i = 0; i < n; ++i)
        nodes[i]->other = nodes[targets[i]];
    // Only the root keeps the graph: the vector lives in malloc memory,
    // which Boehm does not scan.
    nodes.clear();
    nodes.shrink_to_fit();
    GC_gcollect();

    TimePauses(state, state.range(0), [] { GC_gcollect(); });
    state.counters["heap_MB"] = static_cast<double>(GC_get_heap_size()) / (1 << 20);
    state.counters["markers"] = GC_get_parallel() + 1;

    boehmBenchRoot = nullptr;
    GC_gcollect();
}
BENCHMARK(BoehmFullCollect)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    GC_INIT();
    return RunBenchmarksWithRatios(
        argc, argv, "gc_collect",
        {{"pause / Boehm, 10^4 objects, fixed", "QnCollectMode0/10000", "BoehmFullCollect/10000"},
         {"pause / Boehm, 10^6 objects, fixed", "QnCollectMode0/1000000", "BoehmFullCollect/1000000"},
         {"pause / Boehm, 10^6 objects, caches", "QnCollectMode2/1000000", "BoehmFullCollect/1000000"}});
}
