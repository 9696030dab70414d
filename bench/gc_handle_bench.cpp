// Dereferencing a handle: a hot object (already the most recently used) and
// a cold one (moved to the front of the use list on every dereference),
// beside a raw pointer and beside copying a std::shared_ptr.
#include "BenchmarkRatios.h"
#include "GcBenchNode.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <thread>

namespace {

constexpr int kInner = 256;

// Each loop reads its pointer or handle from memory on every dereference,
// as code that follows a field or a container entry does.
void RawPointer(benchmark::State& state)
{
    auto node = std::make_unique<int64_t>(1);
    int64_t* volatile p = node.get();
    int64_t sum = 0;
    for (auto _ : state) {
        for (int i = 0; i < kInner; ++i)
            sum += *p;
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * kInner);
}
BENCHMARK(RawPointer);

void HandleHot(benchmark::State& state)
{
    QnPp<BenchNode> h = QnCreate<BenchNode>();
    int64_t sum = 0;
    for (auto _ : state) {
        for (int i = 0; i < kInner; ++i) {
            benchmark::DoNotOptimize(h);
            sum += h->value;
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * kInner);
}
BENCHMARK(HandleHot);

void HandleCold(benchmark::State& state)
{
    // Two objects used in turn: each dereference finds its object second.
    QnPp<BenchNode> a = QnCreate<BenchNode>(), b = QnCreate<BenchNode>();
    int64_t sum = 0;
    for (auto _ : state) {
        for (int i = 0; i < kInner; i += 2) {
            benchmark::DoNotOptimize(a);
            sum += a->value;
            benchmark::DoNotOptimize(b);
            sum += b->value;
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * kInner);
}
BENCHMARK(HandleCold);

void HandleCopy(benchmark::State& state)
{
    QnPp<BenchNode> h = QnCreate<BenchNode>();
    int64_t sum = 0;
    for (auto _ : state) {
        for (int i = 0; i < kInner; ++i) {
            QnPp<BenchNode> copy = h;
            benchmark::DoNotOptimize(copy);
            sum += copy->value;
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * kInner);
}
BENCHMARK(HandleCopy);

void SharedPtrCopy(benchmark::State& state)
{
    auto shared = std::make_shared<int64_t>(1);
    int64_t sum = 0;
    for (auto _ : state) {
        for (int i = 0; i < kInner; ++i) {
            std::shared_ptr<int64_t> copy = shared;
            benchmark::DoNotOptimize(copy);
            sum += *copy;
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * kInner);
}
BENCHMARK(SharedPtrCopy);

// glibc lets std::shared_ptr skip atomic counting until a process starts its
// first thread; the editor always has more than one, so this is the figure
// to compare handle copies with.
void SharedPtrCopyMultiThreaded(benchmark::State& state)
{
    std::thread([] {}).join();
    SharedPtrCopy(state);
}
BENCHMARK(SharedPtrCopyMultiThreaded);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(argc, argv, "gc_handle",
                                   {{"hot handle / raw pointer", "HandleHot", "RawPointer"},
                                    {"cold handle / raw pointer", "HandleCold", "RawPointer"},
                                    {"handle copy / shared_ptr copy (threads)", "HandleCopy",
                                     "SharedPtrCopyMultiThreaded"}});
}
