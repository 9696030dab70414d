// Look-up and insertion in the expression graph's list tables (tuples,
// function nodes), which keep a hash index beside their list, against a
// plain std::unordered_map of the same keys, for tables of 10^3 to 10^6
// entries. Values and applications sit in ordered maps and are shown too.
#include "BenchmarkRatios.h"
#include "lang/ExprTables.h"
#include "lang/FlInt.h"
#include "lang/TupleExpr.h"
#include "lang/ValueExpr.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

struct PairHash {
    size_t operator()(const std::pair<const void*, const void*>& k) const
    {
        return std::hash<const void*>()(k.first) * 31 + std::hash<const void*>()(k.second);
    }
};

// n distinct element nodes and the tuples (element i, shared) over them.
struct TupleFixture {
    explicit TupleFixture(int64_t n) : shared(PpQnExpr(PpQnFlVal(-1)))
    {
        elements.reserve(size_t(n));
        tuples.reserve(size_t(n));
        for (int64_t i = 0; i < n; ++i) {
            elements.emplace_back(PpQnFlVal(int32_t(i)));
            const PpQnExpr el[] = {elements.back(), shared};
            tuples.emplace_back(2, el);
        }
    }
    ~TupleFixture()
    {
        tuples.clear();
        elements.clear();
        shared.Reset();
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    }
    PpQnExpr shared;
    std::vector<PpQnExpr> elements;
    std::vector<PpQnExpr> tuples;
};

std::vector<size_t> RandomOrder(int64_t n)
{
    std::vector<size_t> order(static_cast<size_t>(n));
    std::mt19937_64 rng(42);
    for (auto& i : order)
        i = size_t(rng() % uint64_t(n));
    return order;
}

void BM_TupleTableLookup(benchmark::State& state)
{
    TupleFixture f(state.range(0));
    const std::vector<size_t> order = RandomOrder(state.range(0));
    size_t k = 0;
    for (auto _ : state) {
        const size_t i = order[k++ % order.size()];
        const PpQnExpr el[] = {f.elements[i], f.shared};
        PpQnExpr t(2, el);
        benchmark::DoNotOptimize(t.Get());
    }
}

void BM_UnorderedMapLookup(benchmark::State& state)
{
    TupleFixture f(state.range(0));
    std::unordered_map<std::pair<const void*, const void*>, const void*, PairHash> map;
    for (size_t i = 0; i < f.tuples.size(); ++i)
        map.emplace(std::make_pair(f.elements[i].Get(), f.shared.Get()), f.tuples[i].Get());
    const std::vector<size_t> order = RandomOrder(state.range(0));
    size_t k = 0;
    for (auto _ : state) {
        const size_t i = order[k++ % order.size()];
        benchmark::DoNotOptimize(map.find(std::make_pair(f.elements[i].Get(), f.shared.Get()))->second);
    }
}

// Insertion: builds a table of n tuples; the time per item is the mean cost
// of an insertion into a table growing to n (node and entry made, list and
// index updated).
void BM_TupleTableInsert(benchmark::State& state)
{
    const int64_t n = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        PpQnExpr shared(PpQnFlVal(-1));
        std::vector<PpQnExpr> elements;
        for (int64_t i = 0; i < n; ++i)
            elements.emplace_back(PpQnFlVal(int32_t(i)));
        std::vector<PpQnExpr> tuples;
        tuples.reserve(size_t(n));
        state.ResumeTiming();
        for (int64_t i = 0; i < n; ++i) {
            const PpQnExpr el[] = {elements[size_t(i)], shared};
            tuples.emplace_back(2, el);
        }
        state.PauseTiming();
        tuples.clear();
        elements.clear();
        shared.Reset();
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_UnorderedMapInsert(benchmark::State& state)
{
    const int64_t n = state.range(0);
    TupleFixture f(n);
    for (auto _ : state) {
        std::unordered_map<std::pair<const void*, const void*>, const void*, PairHash> map;
        for (size_t i = 0; i < size_t(n); ++i)
            map.emplace(std::make_pair(f.elements[i].Get(), f.shared.Get()), f.tuples[i].Get());
        benchmark::DoNotOptimize(map.size());
    }
    state.SetItemsProcessed(state.iterations() * n);
}

// The ordered-map tables, for comparison: a value node by value and an
// application by its two nodes.
void BM_ValueTableLookup(benchmark::State& state)
{
    TupleFixture f(state.range(0));
    const std::vector<size_t> order = RandomOrder(state.range(0));
    std::vector<PpQnFlVal> probes;
    for (size_t i = 0; i < 1024; ++i)
        probes.emplace_back(int32_t(order[i % order.size()]));
    size_t k = 0;
    for (auto _ : state) {
        PpQnValueExpr v(probes[k++ & 1023]);
        benchmark::DoNotOptimize(v.Get());
    }
}

void BM_ApplyTableLookup(benchmark::State& state)
{
    TupleFixture f(state.range(0));
    std::vector<PpQnExpr> apps;
    for (auto& e : f.elements)
        apps.emplace_back(e, f.shared);
    const std::vector<size_t> order = RandomOrder(state.range(0));
    size_t k = 0;
    for (auto _ : state) {
        PpQnExpr a(f.elements[order[k++ % order.size()]], f.shared);
        benchmark::DoNotOptimize(a.Get());
    }
}

} // namespace

BENCHMARK(BM_TupleTableLookup)->RangeMultiplier(10)->Range(1000, 1000000);
BENCHMARK(BM_UnorderedMapLookup)->RangeMultiplier(10)->Range(1000, 1000000);
BENCHMARK(BM_TupleTableInsert)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnorderedMapInsert)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValueTableLookup)->RangeMultiplier(10)->Range(1000, 1000000);
BENCHMARK(BM_ApplyTableLookup)->RangeMultiplier(10)->Range(1000, 1000000);

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(
        argc, argv, "lang_tables",
        {{"tuple lookup / unordered_map, 10^6", "BM_TupleTableLookup/1000000", "BM_UnorderedMapLookup/1000000"},
         {"tuple insert / unordered_map, 10^6", "BM_TupleTableInsert/1000000/iterations:3",
          "BM_UnorderedMapInsert/1000000/iterations:3"}});
}
