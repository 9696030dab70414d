// Processor seconds the calling thread spends in work: a busy machine
// stretches the time on the wall, not this. For the tests that show a
// reader of many items no longer searches its whole table for each one.
#pragma once

#include <ctime>

template <class Work>
double ThreadSeconds(Work work)
{
    const auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
    };
    const double start = now();
    work();
    return now() - start;
}
