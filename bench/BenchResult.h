// The one line a benchmark prints for each figure that bench/run.sh puts
// into its table, beside the benchmark's own readable output:
//
//   RESULT <tab> benchmark <tab> what <tab> figure <tab> target <tab> verdict
//
// The figure is a ratio ("2.98x") or an absolute figure with its unit
// ("4.21 ms"); the target is in the same form ("1.5x", "< 5 ms"); the
// verdict is "met" or "missed", or "-" for a figure with no target (shown
// for comparison) or a goal this run could not measure. Every goal is a bound from above: lower is better.
#pragma once

#include <cstdio>
#include <string>

namespace bench_result {

// Three significant figures, so that ratios far below 1 still show; whole
// numbers from 1 000 on, without an exponent.
inline std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, value >= 1000 || value <= -1000 ? "%.0f" : "%.3g", value);
    return text;
}

inline void Line(const std::string& benchmark, const std::string& what, const std::string& figure,
                 const std::string& target, const char* verdict)
{
    std::printf("RESULT\t%s\t%s\t%s\t%s\t%s\n", benchmark.c_str(), what.c_str(), figure.c_str(), target.c_str(),
                verdict);
    std::fflush(stdout);
}

} // namespace bench_result

// A ratio against the largest ratio allowed; true when it is met.
inline bool ReportRatio(const std::string& benchmark, const std::string& what, double ratio, double target)
{
    const bool met = ratio <= target;
    bench_result::Line(benchmark, what, bench_result::Number(ratio) + "x", bench_result::Number(target) + "x",
                       met ? "met" : "missed");
    return met;
}

// An absolute figure against the largest value allowed; true when it is met.
inline bool ReportFigure(const std::string& benchmark, const std::string& what, double value, const char* unit,
                         double limit)
{
    const bool met = value <= limit;
    const std::string u = std::string(" ") + unit;
    bench_result::Line(benchmark, what, bench_result::Number(value) + u, "< " + bench_result::Number(limit) + u,
                       met ? "met" : "missed");
    return met;
}

// A ratio with no target, for comparison.
inline void ReportRatioOnly(const std::string& benchmark, const std::string& what, double ratio)
{
    bench_result::Line(benchmark, what, bench_result::Number(ratio) + "x", "-", "-");
}

// An absolute figure with no target, for comparison.
inline void ReportFigureOnly(const std::string& benchmark, const std::string& what, double value, const char* unit)
{
    bench_result::Line(benchmark, what, bench_result::Number(value) + " " + unit, "-", "-");
}

// A goal that could not be measured in this run (an outside tool missing
// or failed): the table says so instead of leaving the goal out.
inline void ReportNotMeasured(const std::string& benchmark, const std::string& what, const std::string& target)
{
    bench_result::Line(benchmark, what, "not measured", target, "-");
}
