// Reading settings: a lookup in a registry store of 100 000 keys (the first,
// which parses the file, and the ones after it, which do not) and an INI
// file of 16 MB of blank lines with one key at its end (time and peak
// memory), each beside a quarter of that size, so that the ratio shows
// whether the cost grows with the size alone. Beside them, in the same run:
// Python's configparser reading the same INI file, and grep finding the
// value's line in the store (the floor of one pass over the text).
#include "BenchResult.h"
#include "ProcessMeasure.h"

#include "platform/IniFile.h"
#include "platform/RegistryStore.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

double Millis(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

// prefix, n, suffix; built by appending: g++ 12 warns falsely on chains of
// string additions.
std::string Named(std::string prefix, size_t n, const char* suffix = "")
{
    prefix += std::to_string(n);
    prefix += suffix;
    return prefix;
}

// Keys K0 .. K<count - 1>, each with the number "v" = its index.
std::string StoreOfKeys(int count)
{
    std::string text = "QNREG 1\n";
    for (int i = 0; i < count; ++i) {
        text += "[K";
        text += std::to_string(i);
        text += "]\n\"v\"=dword:";
        text += std::to_string(i);
        text += '\n';
    }
    return text;
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

struct LookupTimes {
    size_t bytes = 0;
    double first = 0, recent = 0, settled = 0; // ms
};

// A fresh store of count keys: its first lookup, then lookups right after it
// was written (it is read again and compared) and once it has settled (a stat).
LookupTimes RegistryLookups(const std::string& folder, int count)
{
    const std::string path = Named(folder + "/registry-", size_t(count));
    const std::string text = StoreOfKeys(count);
    WriteFile(path, text);
    LookupTimes times{text.size()};
    const std::string last = Named("K", size_t(count - 1));
    auto start = std::chrono::steady_clock::now();
    if (platform::RegistryStore(path).GetNumber(last, "v") != uint32_t(count - 1))
        std::fprintf(stderr, "wrong value in %s\n", path.c_str());
    times.first = Millis(start);
    constexpr int kAgain = 20;
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kAgain; ++i)
        platform::RegistryStore(path).GetNumber(Named("K", size_t(i)), "v");
    times.recent = Millis(start) / kAgain;
    // A file is trusted by its stamp alone two seconds after it changed.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kAgain; ++i)
        platform::RegistryStore(path).GetNumber(Named("K", size_t(i)), "v");
    times.settled = Millis(start) / kAgain;
    return times;
}

// Child: one INI lookup, as a program reads its settings at start.
int ReadIni(const char* path)
{
    if (platform::IniFile(path).GetInt("S", "k", 7) != 7)
        std::fprintf(stderr, "wrong value in %s\n", path);
    return 0;
}

const char* kPythonIni = "import configparser, sys\n"
                         "c = configparser.ConfigParser()\n"
                         "c.read(sys.argv[1])\n"
                         "sys.exit(0 if c['S']['k'] == '7' else 1)\n";

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--ini") == 0)
        return ReadIni(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "--make-ini") == 0) {
        std::string text(size_t(std::atoi(argv[3])) << 20, '\n');
        text += "[S]\nk=7\n";
        WriteFile(argv[2], text);
        return 0;
    }

    char pattern[] = "/tmp/settings-bench-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    bool ok = true;

    // First, while this process is small: a child's peak counts what it
    // shares with this process when it starts.
    std::printf("INI file of blank lines, one key at the end, read by a program at start (best of 3)\n"
                "%10s %10s %10s %18s %18s\n",
                "MB", "ms", "peak MB", "configparser ms", "configparser MB");
    const Measure empty = RunProcess({"/proc/self/exe", "--ini", "/nonexistent"}, 3);
    Measure quarter{}, full{};
    for (const size_t megabytes : {4, 16}) {
        const std::string path = Named(folder + "/blank-", megabytes, ".INI");
        // Made by a child, for this process to stay small.
        RunProcess({"/proc/self/exe", "--make-ini", path, std::to_string(megabytes)}, 1);
        const Measure ours = RunProcess({"/proc/self/exe", "--ini", path}, 3);
        const Measure python = RunProcess({"python3", "-c", kPythonIni, path}, 1);
        ok = ok && ours.ok && python.ok;
        std::printf("%10zu %10.1f %10.1f %18.1f %18.1f\n", megabytes, ours.ms, ours.maxrssKb / 1024.0, python.ms,
                    python.maxrssKb / 1024.0);
        (megabytes == 4 ? quarter : full) = ours;
        std::remove(path.c_str());
    }
    const double emptyMb = empty.maxrssKb / 1024.0;
    std::printf("the program with no file: %.1f ms, %.1f MB; 16 MB of blank lines add %.1f MB (%.2fx the file), "
                "4 MB add %.1f MB\n",
                empty.ms, emptyMb, full.maxrssKb / 1024.0 - emptyMb, (full.maxrssKb / 1024.0 - emptyMb) / 16,
                quarter.maxrssKb / 1024.0 - emptyMb);
    std::printf("4x the file: %.2fx the added time, %.2fx the added memory (linear: 4x)\n",
                (full.ms - empty.ms) / (quarter.ms - empty.ms),
                double(full.maxrssKb - empty.maxrssKb) / double(quarter.maxrssKb - empty.maxrssKb));
    ReportRatioOnly("settings", "4x the INI file: added time (linear: 4x)", (full.ms - empty.ms) / (quarter.ms - empty.ms));

    std::printf("\nregistry store lookups, in this process\n%10s %10s %12s %14s %14s %12s\n", "keys", "MB",
                "first ms", "recent ms", "settled ms", "grep ms");
    LookupTimes small{}, large{};
    for (const int count : {25'000, 100'000}) {
        const LookupTimes times = RegistryLookups(folder, count);
        const std::string path = Named(folder + "/registry-", size_t(count));
        const Measure grep = RunProcess({"grep", "-q", Named("dword:", size_t(count - 1)), path}, 3);
        ok = ok && grep.ok;
        std::printf("%10d %10.2f %12.2f %14.4f %14.4f %12.2f\n", count, times.bytes / 1e6, times.first, times.recent,
                    times.settled, grep.ms);
        (count == 25'000 ? small : large) = times;
    }
    std::printf("first lookup, 4x the keys: %.2fx the time (linear: 4x)\n", large.first / small.first);
    ReportRatioOnly("settings", "4x the registry keys: first lookup (linear: 4x)", large.first / small.first);
    std::printf("a lookup after the first: %.0fx faster than the first while the file is recent (read again and "
                "compared), %.0fx once it has settled (a stat)\n",
                large.first / large.recent, large.first / large.settled);

    for (const int count : {25'000, 100'000}) {
        std::remove(Named(folder + "/registry-", size_t(count)).c_str());
        std::remove(Named(folder + "/.registry-", size_t(count), ".lock").c_str());
    }
    rmdir(folder.c_str());
    return ok ? 0 : 1;
}
