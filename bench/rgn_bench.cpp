// Union and intersection of two regions of 10 000 rectangles each, QnRgn
// against pixman's 32-bit regions built from the same rectangles.
//
// Two layouts: "scattered" puts one rectangle of random size and place in
// every cell of a 100 x 100 grid, so that hardly two share a top; "banded"
// gives every rectangle of a grid row the row's full height, pixman's
// favourite case. The second region's grid is offset by half a cell, so that
// every rectangle meets several of the other region.
#include "BenchmarkRatios.h"
#include "render/Rgn.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <span>
#include <vector>

namespace {

constexpr int kGrid = 100;
constexpr int kCell = 32;

enum class Layout { Scattered, Banded };

std::vector<QnRect> GridRects(Layout layout, unsigned seed, int offset)
{
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> pick(0, kCell - 1);
    std::vector<QnRect> rects;
    for (int row = 0; row < kGrid; ++row) {
        for (int col = 0; col < kGrid; ++col) {
            const int x0 = offset + col * kCell, y0 = offset + row * kCell;
            int l = pick(gen), r = pick(gen), t = pick(gen), b = pick(gen);
            if (l > r)
                std::swap(l, r);
            if (t > b)
                std::swap(t, b);
            if (layout == Layout::Banded) {
                t = 0;
                b = kCell - 1;
            }
            rects.push_back(QnRect{x0 + l, y0 + t, x0 + r + 1, y0 + b + 1});
        }
    }
    return rects;
}

// The region of disjoint rectangles, by unions of halves.
QnRgn RgnOf(std::span<const QnRect> rects)
{
    if (rects.size() == 1)
        return QnRgn(rects[0]);
    const size_t half = rects.size() / 2;
    return RgnOf(rects.first(half)) + RgnOf(rects.subspan(half));
}

struct PixmanRegion {
    explicit PixmanRegion(std::span<const QnRect> rects)
    {
        std::vector<pixman_box32_t> boxes;
        for (const QnRect& r : rects)
            boxes.push_back(pixman_box32_t{r.left, r.top, r.right, r.bottom});
        if (!pixman_region32_init_rects(&region, boxes.data(), int(boxes.size())))
            std::abort();
    }
    PixmanRegion() { pixman_region32_init(&region); }
    ~PixmanRegion() { pixman_region32_fini(&region); }
    PixmanRegion(const PixmanRegion&) = delete;
    PixmanRegion& operator=(const PixmanRegion&) = delete;

    pixman_region32_t region;
};

uint64_t Area(std::span<const QnRect> rects)
{
    uint64_t area = 0;
    for (const QnRect& r : rects)
        area += uint64_t(r.Width()) * uint64_t(r.Height());
    return area;
}

uint64_t Area(pixman_region32_t* region)
{
    int n = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(region, &n);
    uint64_t area = 0;
    for (int i = 0; i < n; ++i)
        area += uint64_t(boxes[i].x2 - boxes[i].x1) * uint64_t(boxes[i].y2 - boxes[i].y1);
    return area;
}

struct Operands {
    explicit Operands(Layout layout)
        : a(GridRects(layout, 1, 0)), b(GridRects(layout, 2, kCell / 2)), rgnA(RgnOf(a)), rgnB(RgnOf(b)),
          pixA(a), pixB(b)
    {
        // Both libraries must see the same pixels.
        if (rgnA.count() != a.size() || rgnB.count() != b.size() || Area(a) != Area(&pixA.region))
            std::abort();
    }

    std::vector<QnRect> a, b;
    QnRgn rgnA, rgnB;
    PixmanRegion pixA, pixB;
};

Operands& OperandsOf(Layout layout)
{
    static Operands scattered(Layout::Scattered);
    static Operands banded(Layout::Banded);
    return layout == Layout::Scattered ? scattered : banded;
}

void Report(benchmark::State& state, size_t inputRects, size_t resultRects)
{
    state.counters["in_rects"] = double(inputRects);
    state.counters["out_rects"] = double(resultRects);
}

void QnRgnUnion(benchmark::State& state, Layout layout)
{
    Operands& o = OperandsOf(layout);
    QnRgn result;
    for (auto _ : state) {
        result = o.rgnA + o.rgnB;
        benchmark::DoNotOptimize(result);
    }
    PixmanRegion check;
    pixman_region32_union(&check.region, &o.pixA.region, &o.pixB.region);
    if (Area(result.rects()) != Area(&check.region))
        state.SkipWithError("union differs from pixman's");
    Report(state, o.rgnA.count() + o.rgnB.count(), result.count());
}

void QnRgnIntersect(benchmark::State& state, Layout layout)
{
    Operands& o = OperandsOf(layout);
    QnRgn result;
    for (auto _ : state) {
        result = o.rgnA * o.rgnB;
        benchmark::DoNotOptimize(result);
    }
    PixmanRegion check;
    pixman_region32_intersect(&check.region, &o.pixA.region, &o.pixB.region);
    if (Area(result.rects()) != Area(&check.region))
        state.SkipWithError("intersection differs from pixman's");
    Report(state, o.rgnA.count() + o.rgnB.count(), result.count());
}

void PixmanUnion(benchmark::State& state, Layout layout)
{
    Operands& o = OperandsOf(layout);
    PixmanRegion result;
    for (auto _ : state) {
        pixman_region32_union(&result.region, &o.pixA.region, &o.pixB.region);
        benchmark::ClobberMemory();
    }
    Report(state, size_t(pixman_region32_n_rects(&o.pixA.region) + pixman_region32_n_rects(&o.pixB.region)),
           size_t(pixman_region32_n_rects(&result.region)));
}

void PixmanIntersect(benchmark::State& state, Layout layout)
{
    Operands& o = OperandsOf(layout);
    PixmanRegion result;
    for (auto _ : state) {
        pixman_region32_intersect(&result.region, &o.pixA.region, &o.pixB.region);
        benchmark::ClobberMemory();
    }
    Report(state, size_t(pixman_region32_n_rects(&o.pixA.region) + pixman_region32_n_rects(&o.pixB.region)),
           size_t(pixman_region32_n_rects(&result.region)));
}

} // namespace

BENCHMARK_CAPTURE(QnRgnUnion, scattered, Layout::Scattered)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PixmanUnion, scattered, Layout::Scattered)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(QnRgnIntersect, scattered, Layout::Scattered)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PixmanIntersect, scattered, Layout::Scattered)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(QnRgnUnion, banded, Layout::Banded)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PixmanUnion, banded, Layout::Banded)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(QnRgnIntersect, banded, Layout::Banded)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PixmanIntersect, banded, Layout::Banded)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(
        argc, argv, "rgn",
        {{"union / pixman, scattered", "QnRgnUnion/scattered", "PixmanUnion/scattered"},
         {"intersection / pixman, scattered", "QnRgnIntersect/scattered", "PixmanIntersect/scattered"},
         {"union / pixman, banded", "QnRgnUnion/banded", "PixmanUnion/banded"},
         {"intersection / pixman, banded", "QnRgnIntersect/banded", "PixmanIntersect/banded"}});
}
