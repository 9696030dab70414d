// Resource lookups of the plug-in folder scan in a large module: the older
// resource pair ("PiMI" and "_8BFM") is looked up by id, two lookups a
// plug-in, up to 32 766 plug-ins, and the property lists by id as well.
// A module of 3 276 pairs and one of 32 766 pairs (about 5 MB with a
// picture resource beside them) are read and indexed, then scanned; with a
// lookup that costs the same whatever the table's size, ten times the
// plug-ins take ten times as long (a lookup that walks the table would take
// a hundred times). No outside tool does this; the figures are the time per
// lookup and the ratio between the two sizes, the best of five runs.
#include "BenchResult.h"
#include "platform/ResourceSectionWriter.h"
#include "platform/ResourceTable.h"
#include "pluginhost/PlugInResourceParser.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<uint8_t>;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

Bytes OldFilter(uint32_t i)
{
    // The word 3, then the name and its NUL.
    const std::string name = "Filter " + std::to_string(i);
    Bytes b(2 + name.size() + 1, 0);
    b[0] = 3;
    std::copy(name.begin(), name.end(), b.begin() + 2);
    return b;
}

Bytes OldInfo()
{
    Bytes b{3, 0, 'B', 'e', 'n', 'c', 'h', 0};
    for (uint16_t w : {4, 0, 0, 16, 1, 0x10}) {
        b.push_back(uint8_t(w));
        b.push_back(uint8_t(w >> 8));
    }
    for (int i = 0; i < 4; ++i)
        b.push_back(' ');
    return b;
}

// A module's table of pairs plug-ins in the older form, plus a picture of
// extra bytes.
Bytes ModuleTable(uint32_t pairs, size_t extra)
{
    platform::ResourceSectionWriter writer;
    for (uint32_t i = 1; i <= pairs; ++i) {
        writer.Add("PiMI", i, OldInfo());
        writer.Add("_8BFM", i, OldFilter(i));
    }
    writer.Add(platform::ResourceType::Bitmap, 1, Bytes(extra, 0x5A));
    return writer.Bytes();
}

struct Result {
    size_t bytes;
    size_t lookups;
    double readMs;
    double scanMs;   // the scan's reading of the older pair
    double lookupMs; // every pair looked up alone
};

Result MeasureOnce(const Bytes& section, uint32_t pairs)
{
    const auto t0 = Clock::now();
    const auto table = platform::ResourceTable::FromBytes(section);
    const auto t1 = Clock::now();
    const auto pipl = ReadModulePiPL(table);
    const auto old = ReadModuleOldForm(table);
    const auto t2 = Clock::now();
    if (old.size() != pairs || !pipl.empty()) {
        std::fprintf(stderr, "found %zu plug-ins, wanted %u\n", old.size(), pairs);
        std::exit(1);
    }
    size_t found = 0;
    for (uint32_t i = 1; i <= pairs; ++i)
        found += table.Find("PiMI", i).has_value() + table.Find("_8BFM", i).has_value();
    const auto t3 = Clock::now();
    if (found != size_t(pairs) * 2)
        std::exit(1);
    // Two lookups for each plug-in, and the one that ends the walk.
    return {section.size(), size_t(pairs) * 2 + 1, Ms(t1 - t0), Ms(t2 - t1), Ms(t3 - t2)};
}

// The best of a few runs of each figure: the machine may be busy.
Result Measure(uint32_t pairs, size_t extra)
{
    const Bytes section = ModuleTable(pairs, extra);
    Result best = MeasureOnce(section, pairs);
    for (int run = 1; run < 5; ++run) {
        const Result r = MeasureOnce(section, pairs);
        best.readMs = std::min(best.readMs, r.readMs);
        best.scanMs = std::min(best.scanMs, r.scanMs);
        best.lookupMs = std::min(best.lookupMs, r.lookupMs);
    }
    return best;
}

} // namespace

int main()
{
    const uint32_t kSmall = 3276, kLarge = 32766;
    const Result small = Measure(kSmall, 150 << 10);
    const Result large = Measure(kLarge, 1500 << 10);
    for (const Result& r : {small, large})
        std::printf("module of %5.2f MB, %6zu lookups: table read and indexed in %6.2f ms; scan %7.2f ms, "
                    "%5.0f ns per plug-in; lookups alone %6.2f ms, %4.0f ns each\n",
                    r.bytes / 1048576.0, r.lookups, r.readMs, r.scanMs, r.scanMs * 1e6 / double(r.lookups / 2),
                    r.lookupMs, r.lookupMs * 1e6 / double(r.lookups - 1));
    std::printf("large/small: %.1fx the lookups in %.1fx the time of the scan, %.1fx of the lookups alone "
                "(linear: about %.0fx; walking the table: about %.0fx)\n",
                double(large.lookups) / double(small.lookups), large.scanMs / small.scanMs,
                large.lookupMs / small.lookupMs,
                double(large.lookups) / double(small.lookups),
                (double(large.lookups) / double(small.lookups)) * (double(large.lookups) / double(small.lookups)));
    ReportRatioOnly("resource_lookup", "10x the plug-ins: scan time (linear: 10x)", large.scanMs / small.scanMs);
    return 0;
}
