// The distortion filters of rubber.8bf on a 6000 x 4000 colour picture, run
// by the plug-in host library the way the editor's effect table runs them
// (the module by path, the entry by name, stored parameters, the host's
// deferred bands), with how many times the host sent each source row of
// the picture; beside the nearest ImageMagick operator on the same picture
// in the same run, with one thread and with its default threads, and
// ImageMagick's plain copy of the file (its reading and writing alone).
// ImageMagick has no page curl; its shading of a 3 x 3 neighbourhood
// stands beside ours. A filter's name as argument runs that one alone.
#include "BenchResult.h"
#include "HostMemoryPicture.h"
#include "ProcessMeasure.h"
#include "filters/rubber/RubberParams.h"
#include "filters/rubber/SevenLongParams.h"
#include "filters/sdk/PIHandles.h"
#include "platform/IniFile.h"
#include "pluginhost/FxgateLibrary.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int32_t kWidth = 6000, kHeight = 4000;
constexpr int kRuns = 1;

// The picture in memory, counting how often the host read each of its rows
// (one read a row a band).
class CountingPicture : public HostMemoryPicture {
public:
    CountingPicture() : HostMemoryPicture(kWidth, kHeight), reads_(kHeight, 0) {}

    void ClearCounts() { std::fill(reads_.begin(), reads_.end(), 0); }
    const std::vector<int32_t>& Reads() const { return reads_; }

protected:
    void OnRead(int32_t row) override { ++reads_[size_t(row)]; }

private:
    std::vector<int32_t> reads_;
};

void Fill(CountingPicture& p)
{
    uint32_t seed = 12345;
    for (int32_t y = 0; y < kHeight; ++y) {
        uint8_t* row = p.Row(y);
        for (int32_t x = 0; x < kWidth; ++x) {
            seed = seed * 214013 + 2531011;
            const int noise = int(seed >> 16 & 15) - 8;
            row[3 * x] = uint8_t(std::clamp((x + y) / 40 + (x / 500 % 2) * 60 + noise, 0, 255));
            row[3 * x + 1] = uint8_t(std::clamp(y / 16 + noise, 0, 255));
            row[3 * x + 2] = uint8_t(std::clamp(x / 24 + ((x / 200 + y / 200) % 2) * 40 + noise, 0, 255));
        }
    }
}

void WritePpm(CountingPicture& p, const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << kWidth << " " << kHeight << "\n255\n";
    std::vector<uint8_t> rgb(size_t(kWidth) * 3);
    for (int32_t y = 0; y < kHeight; ++y) {
        const uint8_t* row = p.Row(y);
        for (int32_t x = 0; x < kWidth; ++x) {
            rgb[size_t(3 * x)] = row[3 * x + 2];
            rgb[size_t(3 * x + 1)] = row[3 * x + 1];
            rgb[size_t(3 * x + 2)] = row[3 * x];
        }
        out.write(reinterpret_cast<const char*>(rgb.data()), std::streamsize(rgb.size()));
    }
}

struct FilterCase {
    const char* name;
    const char* entry;
    std::vector<int32_t> block; // the parameter block, ShowDialog last and 0
    std::vector<std::string> magick; // ImageMagick's operator and arguments
};

struct Ours {
    double ms = 0;
    int32_t maxReads = 0;
    double meanReads = 0;
    bool ok = false;
};

Ours RunOurs(CountingPicture& source, const FilterCase& c)
{
    PlugInHost& host = Fxgate()->host;
    Ours ours;
    if (host.LoadModule(RUBBER_MODULE, c.entry, nullptr) != kRunDone)
        return ours;
    CountingPicture destination;
    Handle parameters = NewHostHandle(int32_t(c.block.size() * 4));
    std::memcpy(parameters->data, c.block.data(), c.block.size() * 4);
    intptr_t data = 0;
    int32_t ask = 0, within = 0;
    PIRECT changed{};
    source.ClearCounts();
    const auto start = std::chrono::steady_clock::now();
    if (host.BeginRun(nullptr, 0xFFFFFF, 0, &destination, &source, 0, 0, nullptr, nullptr, nullptr, &within) ==
            kRunDone &&
        host.Run(&ask, host.Entry(), supportsRGBColor, nullptr, &parameters, &data, &changed) == kRunDone)
        ours.ok = true;
    ours.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    FreeHostHandle(parameters);
    const std::vector<int32_t>& reads = source.Reads();
    ours.maxReads = *std::max_element(reads.begin(), reads.end());
    double sum = 0;
    for (int32_t n : reads)
        sum += n;
    ours.meanReads = sum / kHeight;
    return ours;
}

Measure RunMagick(const std::string& in, const std::string& out, const std::vector<std::string>& op, bool oneThread)
{
    std::vector<std::string> argv{"convert"};
    if (oneThread) {
        argv.insert(argv.end(), {"-limit", "thread", "1"});
    }
    argv.push_back(in);
    argv.insert(argv.end(), op.begin(), op.end());
    argv.push_back(out);
    return RunProcess(argv, kRuns);
}

// Two handles of the mesh pulled, the others at rest.
std::vector<int32_t> WarpBlock()
{
    std::vector<int32_t> block(514, 0);
    block[2 * 6] = 100;
    block[2 * 6 + 1] = -80;
    block[2 * 18] = -80;
    block[2 * 18 + 1] = 90;
    return block;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = std::filesystem::temp_directory_path() / ("rubber_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder + "/rubber");
    setenv("QN_CONFIG_HOME", folder.c_str(), 1);
    {
        platform::IniFile ini(folder + "/rubber/rubber.INI");
        ini.WriteInt("Host", "Hostnum", 5);
        ini.WriteInt("Host", "Hostsign", int32_t(PI_HOST_SIG_FXGATE));
    }
    const std::string only = argc > 1 ? argv[1] : "";

    static CountingPicture source;
    Fill(source);
    const std::string ppm = folder + "/in.ppm", out = folder + "/out.ppm";
    WritePpm(source, ppm);

    auto seven = [](int32_t strength, int32_t size, int32_t type, int32_t direction, int32_t freeze) {
        return std::vector<int32_t>{strength, size, type, direction, freeze, 0, 0};
    };
    const std::vector<FilterCase> cases{
        {"Rubber", "ENTRYPOINT1", {300, -200, 400, 500, 0, 0},
         {"-distort", "Shepards", "2400,2000 4200,1200  0,0 0,0  5999,0 5999,0  0,3999 0,3999  5999,3999 5999,3999"}},
        {"Warp", "ENTRYPOINT2", WarpBlock(),
         {"-distort", "Shepards", "2000,1333 2600,1000  4000,2666 3500,3000  0,0 0,0  5999,3999 5999,3999"}},
        {"Page curl", "ENTRYPOINT5", seven(30, 0, 0, 0, 0), {"-shade", "120x45"}},
        {"Whirl", "ENTRYPOINT10", seven(50, 10, 3, 0, 0), {"-swirl", "180"}},
        {"Pinch", "ENTRYPOINT3", seven(25, 10, 0, 2, 0), {"-implode", "0.5"}},
        {"Punch", "ENTRYPOINT4", seven(25, 10, 1, 2, 0), {"-implode", "-0.5"}},
        {"Wave", "ENTRYPOINT11", seven(25, 10, 2, 0, 0), {"-wave", "25x400"}},
        {"Whirl strongest", "ENTRYPOINT10", seven(100, 10, 3, 1, 0), {"-swirl", "360"}},
        {"Burst", "ENTRYPOINT12", seven(50, 10, 0, 0, 1), {"-implode", "-1"}},
        {"Earth quake", "ENTRYPOINT13", seven(50, 10, 3, 0, 1), {"-implode", "1"}},
        {"Black hole", "ENTRYPOINT13", seven(100, 70, 5, 0, 1), {"-spread", "40"}},
        {"Gravity", "ENTRYPOINT7", seven(50, 5, 0, 0, 1), {"-motion-blur", "0x4+90"}},
        {"Wind", "ENTRYPOINT8", seven(50, 5, 1, 90, 1), {"-motion-blur", "0x4+0"}},
        {"Pixel storm", "ENTRYPOINT9", seven(50, 50, 2, 90, 1), {"-spread", "5"}},
        {"Random deformations", "ENTRYPOINT6", seven(50, 50, 2, 0, 1), {"-spread", "3"}},
        {"Perspective", "ENTRYPOINT14", seven(150, 100, 0, 0, 0),
         {"-distort", "Perspective", "0,0 0,0 5999,0 5999,0 0,3999 1000,3999 5999,3999 4999,3999"}},
    };

    const Measure copy = RunProcess({"convert", ppm, out}, kRuns);
    std::printf("Times in ms; \"sent\": how many times the host sent a source row (the most, the mean); "
                "ImageMagick with -limit thread 1 and with its default threads, file reading and writing included.\n");
    std::printf("%-22s %9s %9s %9s | %9s %9s\n", "filter (6000 x 4000)", "ours ms", "max sent", "mean sent",
                "IM 1 thr", "IM thr");
    bool ok = copy.ok;
    for (const FilterCase& c : cases) {
        if (!only.empty() && only != c.name)
            continue;
        const Ours ours = RunOurs(source, c);
        const Measure one = RunMagick(ppm, out, c.magick, true);
        const Measure all = RunMagick(ppm, out, c.magick, false);
        std::printf("%-22s %9.0f %9d %9.2f | %9.0f %9.0f   (%s)\n", c.name, ours.ms, ours.maxReads, ours.meanReads,
                    one.ms, all.ms, c.magick[0].c_str());
        if (ours.ok && one.ok)
            ReportRatioOnly("rubber", std::string(c.name) + " / ImageMagick 1 thread", ours.ms / one.ms);
        ok = ok && ours.ok && one.ok && all.ok;
    }
    std::printf("ImageMagick's copy of the file alone: %.0f ms\n", copy.ms);
    std::filesystem::remove_all(folder);
    return ok ? 0 : 1;
}
