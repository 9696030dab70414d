// The main of a Google Benchmark program whose figures also go into
// bench/run.sh's table: the benchmarks run and print as usual, then each
// named pair gives one result line, the time of ours over the reference's
// (the reference empty: our time alone, in microseconds). A pair whose runs
// were filtered out or failed prints nothing.
#pragma once

#include "BenchResult.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <unistd.h>
#include <vector>

struct BenchmarkRatio {
    std::string what;
    std::string ours;      // a run's full name, e.g. "PoolAllocFree/1000"
    std::string reference; // the same, or empty
};

namespace bench_result {

// The console output as usual, and each run's real time in seconds.
class TimesReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, as the library's own main does.
    TimesReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                seconds[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> seconds;
};

} // namespace bench_result

inline int RunBenchmarksWithRatios(int argc, char** argv, const std::string& benchmark,
                                   const std::vector<BenchmarkRatio>& ratios)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench_result::TimesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto& seconds = reporter.seconds;
    for (const BenchmarkRatio& r : ratios) {
        const auto ours = seconds.find(r.ours);
        if (ours == seconds.end())
            continue;
        if (r.reference.empty()) {
            ReportFigureOnly(benchmark, r.what, ours->second * 1e6, "us");
            continue;
        }
        const auto reference = seconds.find(r.reference);
        if (reference != seconds.end() && reference->second > 0)
            ReportRatioOnly(benchmark, r.what, ours->second / reference->second);
    }
    return 0;
}
