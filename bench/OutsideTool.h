// What the benchmarks share to find and time the outside tools they are
// compared with: whether a program is on the PATH, ImageMagick under the
// name that is surely ImageMagick, and the best wall time of a shell
// command.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>

// Whether program can be found on the PATH.
inline bool HaveTool(const std::string& program)
{
    const std::string probe = "command -v " + program + " >/dev/null 2>&1";
    return std::system(probe.c_str()) == 0;
}

// ImageMagick's command, or empty when it is not installed. The versioned
// name: a plain "convert" earlier on PATH need not be ImageMagick.
inline std::string FindImageMagick()
{
    for (const char* name : {"convert-im6.q16", "magick"})
        if (HaveTool(name))
            return name;
    return "";
}

// Best wall time in seconds of runs of a shell command (its output
// dropped); negative when a run fails.
inline double TimeCommand(const std::string& command, int runs)
{
    double best = -1;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system((command + " >/dev/null 2>&1").c_str()) != 0)
            return -1;
        const double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = best < 0 ? t : std::min(best, t);
    }
    return best;
}
