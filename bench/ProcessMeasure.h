// Runs a command as a process of its own and measures it as every
// benchmark does: the wall time and the child's peak resident memory
// (ru_maxrss), the first run's time, the best time and the largest peak
// over some runs.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct Measure {
    double firstMs = 0; // a process started cold: nothing of it in the caches
    double ms = 1e30;   // the best run
    long maxrssKb = 0;
    double cpuMs = 1e30; // the least user + system time of a run
    bool ok = false;
};

inline Measure RunProcess(const std::vector<std::string>& argv, int runs)
{
    Measure best;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        // posix_spawn shares the parent's memory until the exec (no copy of
        // it counts against the child's peak, as a fork's would).
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        pid_t pid = 0;
        if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) {
            std::fprintf(stderr, "failed to start: %s\n", argv[0].c_str());
            return {};
        }
        int status = 0;
        struct rusage usage {};
        wait4(pid, &status, 0, &usage);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "failed: %s\n", argv[0].c_str());
            return {};
        }
        if (run == 0)
            best.firstMs = ms;
        best.ms = std::min(best.ms, ms);
        best.maxrssKb = std::max(best.maxrssKb, usage.ru_maxrss);
        const auto cpu = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
        best.cpuMs = std::min(best.cpuMs, cpu(usage.ru_utime) + cpu(usage.ru_stime));
        best.ok = true;
    }
    return best;
}
// The peak of a child counts the memory of this process at the time it was
// started, so the processes that measure keep themselves small.
