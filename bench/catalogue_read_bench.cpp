// Reading the plug-in catalogue file when every record has a category of
// its own: 10 000 and 100 000 records (12 and 120 MB), written by the
// catalogue itself into the temporary folder and read back. Each record's
// category goes through the category table; with an index the reading is
// linear, so ten times the records take about ten times as long (a table
// searched for each name takes a hundred times, a minute at 100 000). No
// outside tool reads this file; the figures are the time per record and
// the ratio between the two sizes.
#include "BenchResult.h"
#include "pluginhost/FixedString.h"
#include "pluginhost/PlugInCatalogue.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

std::string WriteCatalogue(int32_t records)
{
    PlugInCatalogue catalogue;
    for (int32_t i = 0; i < records; ++i) {
        PlugInRecord r;
        CopyFixed(r.path, "/plugins/module" + std::to_string(i / 4) + ".8bf");
        CopyFixed(r.name, "Filter " + std::to_string(i));
        CopyFixed(r.entry, "ENTRYPOINT" + std::to_string(i % 4 + 1));
        r.category = catalogue.Categories().Add(("Category " + std::to_string(i)).c_str());
        catalogue.AddRecord(r);
    }
    const std::string path =
        (std::filesystem::temp_directory_path() / ("qn-catalogue-bench-" + std::to_string(records) + ".DAT")).string();
    if (!catalogue.WriteFile(path)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
    return path;
}

struct Result {
    int32_t records;
    uintmax_t bytes;
    double ms;
};

Result Measure(int32_t records)
{
    const std::string path = WriteCatalogue(records);
    const uintmax_t bytes = std::filesystem::file_size(path);
    double best = 0;
    for (int run = 0; run < 3; ++run) { // the best of three: the machine may be busy
        PlugInCatalogue catalogue;
        const auto start = Clock::now();
        catalogue.ReadFile(path);
        const double ms = Ms(Clock::now() - start);
        if (catalogue.Count() != size_t(records) || catalogue.Categories().UsedCount() != records + 1) {
            std::fprintf(stderr, "read %zu records, wanted %d\n", catalogue.Count(), records);
            std::exit(1);
        }
        best = run == 0 ? ms : std::min(best, ms);
    }
    std::filesystem::remove(path);
    return {records, bytes, best};
}

} // namespace

int main()
{
    const Result small = Measure(10000);
    const Result large = Measure(100000);
    for (const Result& r : {small, large})
        std::printf("%6d records, %6.1f MB, each of its own category: read in %8.1f ms, %5.2f us per record\n",
                    r.records, double(r.bytes) / 1048576.0, r.ms, r.ms * 1000.0 / r.records);
    std::printf("large/small: %.0fx the records in %.1fx the time (linear: about 10x; searching the table: about "
                "100x)\n",
                double(large.records) / small.records, large.ms / small.ms);
    ReportRatioOnly("catalogue_read", "10x the records: read time (linear: 10x)", large.ms / small.ms);
    return 0;
}
