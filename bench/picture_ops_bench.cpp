// The editor's picture operations on a 6000 x 4000 24-bit picture: rotation
// by 17 degrees (nearest and smooth) and bilinear resampling to 3000 x 2000
// and 9000 x 6000, beside `vips rotate` / `vips resize --kernel linear` with
// one thread and ImageMagick's `-rotate 17` / `-filter Triangle -resize`
// with one thread, measured in the same run. The tools read and write
// files (in /dev/shm): their time for a plain copy of the source file is
// printed beside, and the ratio is ours / their whole run. Times are
// processor times (user + system) of one thread, which a machine busy with
// other work disturbs less than wall times; our wall time is shown beside.
// A tool that is missing is skipped.
#include "BenchResult.h"
#include "editor/operations/PictureExprBuilders.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "picture/Picture.h"

#include "ProcessMeasure.h"

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int32_t kWidth = 6000, kHeight = 4000;
constexpr int kRuns = 5;

PpQnPicture RandomPicture()
{
    PpQnPicture p(kWidth, kHeight, WA_RGB24, nullptr);
    std::mt19937 gen(17);
    for (int32_t ty = 0; ty < kHeight; ty += QnPicture::kTile)
        for (int32_t tx = 0; tx < kWidth; tx += QnPicture::kTile) {
            QnRect tile;
            const PpQnPixBuf buf = p->GetAccessToBuffer(0, QnPoint{tx, ty}, &tile);
            for (int32_t y = 0; y < int32_t(tile.Height()); ++y) {
                uint8_t* row = buf->Row(y);
                for (int32_t i = 0; i < int32_t(tile.Width()) * 3; ++i)
                    row[i] = uint8_t(gen());
            }
        }
    return p;
}

void WritePpm(const PpQnPicture& p, const std::string& path)
{
    std::ofstream f(path, std::ios::binary);
    f << "P6\n" << kWidth << " " << kHeight << "\n255\n";
    std::vector<uint8_t> line(size_t(kWidth) * 3);
    for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t tx = 0; tx < kWidth; tx += QnPicture::kTile) {
            QnRect tile;
            const PpQnPixBuf buf = p->GetAccessToBuffer(0, QnPoint{tx, y}, &tile);
            const uint8_t* in = buf->CRow(y - tile.top);
            for (int32_t x = tile.left; x < tile.right; ++x) {
                const int32_t i = x - tile.left;
                line[size_t(3 * x)] = in[3 * i + 2];
                line[size_t(3 * x + 1)] = in[3 * i + 1];
                line[size_t(3 * x + 2)] = in[3 * i];
            }
        }
        f.write(reinterpret_cast<const char*>(line.data()), std::streamsize(line.size()));
    }
}

double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Ours {
    double wallMs = 1e30, cpuMs = 1e30;
};

// Best of kRuns evaluations of the expression that make builds over a
// picture, in milliseconds. Every run gets a fresh copy of the picture
// (sharing its tiles): a reduced expression would answer at once.
template <class Make>
Ours Run(const PpQnPicture& picture, Make make)
{
    Ours best;
    for (int run = 0; run < kRuns; ++run) {
        QnMachineContext machine;
        const PpQnExpr expr = make(PpQnExpr(PpQnFlVal(PpQnPicture(picture, 1))));
        const auto start = std::chrono::steady_clock::now();
        const double cpu = CpuMs();
        const PpQnExpr result = machine.eval(expr, nullptr);
        best.cpuMs = std::min(best.cpuMs, CpuMs() - cpu);
        best.wallMs =
            std::min(best.wallMs, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// A tool's least processor time of a run; ms < 0 when it is missing or failed.
struct Tool {
    double ms = -1;
};

void Line(const char* what, const Ours& ours, const Tool& vips, const Tool& magick)
{
    std::printf("%-26s %9.0f %9.0f", what, ours.wallMs, ours.cpuMs);
    for (const Tool& t : {vips, magick}) {
        if (t.ms < 0)
            std::printf(" %9s %6s", "-", "-");
        else
            std::printf(" %9.0f %6.2f", t.ms, ours.cpuMs / t.ms);
    }
    std::printf("\n");
    if (vips.ms > 0)
        ReportRatioOnly("picture_ops", std::string(what) + " / vips", ours.cpuMs / vips.ms);
    if (magick.ms > 0)
        ReportRatioOnly("picture_ops", std::string(what) + " / ImageMagick", ours.cpuMs / magick.ms);
}

}  // namespace

int main(int argc, char** argv)
{
    // --ours: only our side, for profiling.
    const bool oursOnly = argc > 1 && std::string(argv[1]) == "--ours";
    namespace fs = std::filesystem;
    const fs::path dir = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path work = dir / ("qn-picture-ops-bench-" + std::to_string(::getpid()));
    fs::create_directories(work);
    const std::string ppm = (work / "in.ppm").string(), outPpm = (work / "out.ppm").string();
    const std::string v = (work / "in.v").string(), outV = (work / "out.v").string();

    const PpQnPicture picture = RandomPicture();
    WritePpm(picture, ppm);
    // The system's resource policy sends ImageMagick's pixels of a picture
    // this size to disk; a policy of our own, found first, keeps them in
    // memory as ours are.
    std::ofstream((work / "policy.xml").string()) << "<policymap>\n"
                                                     "  <policy domain=\"resource\" name=\"disk\" value=\"16GiB\"/>\n"
                                                     "  <policy domain=\"resource\" name=\"memory\" value=\"8GiB\"/>\n"
                                                     "  <policy domain=\"resource\" name=\"map\" value=\"8GiB\"/>\n"
                                                     "  <policy domain=\"resource\" name=\"area\" value=\"1GP\"/>\n"
                                                     "</policymap>\n";
    setenv("MAGICK_CONFIGURE_PATH", work.c_str(), 1);
    setenv("VIPS_CONCURRENCY", "1", 1);
    const bool haveVips = !oursOnly && RunProcess({"vips", "copy", ppm, v}, 1).ok;
    const std::vector<std::string> magick{"convert", "-limit", "thread", "1", ppm};
    std::vector<std::string> magickCopy = magick;
    magickCopy.push_back(outPpm);
    const Measure magickIo = oursOnly ? Measure{} : RunProcess(magickCopy, kRuns);
    const Measure vipsIo = haveVips ? RunProcess({"vips", "copy", v, outV}, kRuns) : Measure{};
    const auto vips = [&](std::vector<std::string> args) {
        if (!vipsIo.ok)
            return Tool{};
        args.insert(args.begin() + 2, {v, outV});
        const Measure m = RunProcess(args, kRuns);
        return m.ok ? Tool{m.cpuMs} : Tool{};
    };
    const auto im = [&](std::vector<std::string> args) {
        if (!magickIo.ok)
            return Tool{};
        std::vector<std::string> command = magick;
        command.insert(command.end(), args.begin(), args.end());
        command.push_back(outPpm);
        const Measure m = RunProcess(command, kRuns);
        return m.ok ? Tool{m.cpuMs} : Tool{};
    };

    std::printf("%d x %d, 24-bit, best of %d; one thread everywhere; tools with their file work\n", kWidth, kHeight,
                kRuns);
    std::printf("(ms of processor time; ours also as wall time; the tools' runs include reading the source\n"
                " file and writing the result file, a plain copy of the source costing vips %.0f ms and\n"
                " ImageMagick %.0f ms; ratio: ours / the tool's run)\n",
                vipsIo.ok ? vipsIo.cpuMs : 0.0, magickIo.ok ? magickIo.cpuMs : 0.0);
    std::printf("%-26s %9s %9s %9s %6s %9s %6s\n", "operation", "ours", "ours cpu", "vips", "ratio", "magick",
                "ratio");
    const auto rotate = [](int smooth) {
        return [smooth](const PpQnExpr& p) { return PpQnExpr(MakeRotateExpr(17, 0, 0, 0, smooth), p); };
    };
    const auto resample = [](long w, long h) {
        return [w, h](const PpQnExpr& p) { return MakeResizeExpr(p, w, h, 300, 300, 1); };
    };
    // vips turns anticlockwise: 343 is our 17.
    const Tool imRotate = im({"-rotate", "17"});
    Line("rotate 17, nearest", Run(picture, rotate(0)),
         vips({"vips", "rotate", "343", "--interpolate", "nearest"}), imRotate);
    Line("rotate 17, smooth", Run(picture, rotate(1)),
         vips({"vips", "rotate", "343", "--interpolate", "bilinear"}), imRotate);
    Line("resample to 3000 x 2000", Run(picture, resample(3000, 2000)),
         vips({"vips", "resize", "0.5", "--kernel", "linear"}),
         im({"-filter", "Triangle", "-resize", "3000x2000!"}));
    Line("resample to 9000 x 6000", Run(picture, resample(9000, 6000)),
         vips({"vips", "resize", "1.5", "--kernel", "linear"}),
         im({"-filter", "Triangle", "-resize", "9000x6000!"}));
    fs::remove_all(work);
    return 0;
}
