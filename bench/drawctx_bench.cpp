// Row production of the drawing contexts: the output rows of a 5000 x 5000
// 24-bit picture at zoom 1/4, 1 and 3 (a 5000 x 5000 window of the zoomed
// picture), as bands of the row producer make them for a draw, beside
// `vips resize --kernel nearest` making the same pixels in the same run
// (at zoom 3 from a crop of the part the window shows). Also the rows of a
// 216-colour uniform palette with Bayer dithering at zoom 1.
#include "BenchResult.h"
#include "drawctx/WaRowProducer.h"
#include "drawctx/WaTrueColorDrawContext.h"

#include "OutsideTool.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int32_t kSource = 5000;

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void Row(const char* what, double seconds)
{
    if (seconds < 0)
        std::printf("  %-48s   (not available)\n", what);
    else
        std::printf("  %-48s %8.3f s\n", what, seconds);
}

// Every row of client rectangle (0, 0, width, height), in bands of the
// size a draw uses; best of three.
double Produce(WaTrueColorDrawContext& c, const ZV_CDOPT& options, int32_t width, int32_t height)
{
    double best = -1;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        int* table = nullptr;
        LOGPALETTE* palette = nullptr;
        c.GetDitherTables(&table, &palette);
        WaRowProducer p(c, options, table, palette, 0, 0, 0, width);
        const int32_t fit = std::max(1, 1920 / width);
        std::vector<uint8_t> band(size_t(WaRowProducer::BandRowBytes(width, p.OutputBits())) * size_t(fit));
        for (int32_t bottom = height; bottom > 0; bottom -= fit)
            p.ProduceBand(std::max(0, bottom - fit), bottom, band.data());
        const double t = Seconds(std::chrono::steady_clock::now() - start);
        best = best < 0 ? t : std::min(best, t);
    }
    return best;
}

} // namespace

int main()
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path work = dir / ("qn-drawctx-bench-" + std::to_string(::getpid()));
    fs::create_directories(work);
    const std::string ppm = (work / "src.ppm").string(), vsrc = (work / "src.v").string();
    const std::string crop = (work / "crop.v").string(), vout = (work / "out.v").string();

    WA* wa = new WA(WA_TYPE_RGB, kSource, kSource, static_cast<char*>(nullptr));
    std::mt19937 gen(7);
    for (int32_t y = 0; y < kSource; ++y)
        for (size_t i = 0; i < wa->RowBytes(); ++i)
            wa->Row(y)[i] = uint8_t(gen());
    {
        std::ofstream f(ppm, std::ios::binary);
        f << "P6\n" << kSource << " " << kSource << "\n255\n";
        std::vector<uint8_t> line(size_t(kSource) * 3);
        for (int32_t y = kSource - 1; y >= 0; --y) {
            const uint8_t* p = wa->Row(y);
            for (int32_t x = 0; x < kSource; ++x) {
                line[size_t(3 * x)] = p[3 * x + 2];
                line[size_t(3 * x + 1)] = p[3 * x + 1];
                line[size_t(3 * x + 2)] = p[3 * x];
            }
            f.write(reinterpret_cast<const char*>(line.data()), std::streamsize(line.size()));
        }
    }
    const bool haveVips = std::system(("vips copy " + ppm + " " + vsrc + " >/dev/null 2>&1").c_str()) == 0;

    std::printf("Rows of a %d x %d 24-bit picture (best of 3)\n", kSource, kSource);
    struct Zoom {
        const char* name;
        int32_t num, den; // client = picture * num / den
    };
    for (const Zoom z : {Zoom{"zoom 1/4", 1, 4}, Zoom{"zoom 1", 1, 1}, Zoom{"zoom 3", 3, 1}}) {
        std::printf("%s\n", z.name);
        WaTrueColorDrawContext c(wa, nullptr, ZvDisplay{});
        const int32_t shown = kSource * z.num / z.den;
        c.SetXF(QnRect{0, 0, shown, shown}, QnRect{0, kSource, kSource, 0}, 0);
        const int32_t window = std::min(shown, kSource);
        const double ours = Produce(c, ZV_CDOPT(1, 0, 16777216, 1), window, window);
        Row("WaRowProducer, 24-bit rows", ours);
        double vips = -1;
        if (z.num == 1 && z.den == 1)
            Row("WaRowProducer, 216 colours, Bayer", Produce(c, ZV_CDOPT(1, 0, 216, 21), window, window));
        const std::string factor = std::to_string(double(z.num) / z.den);
        if (z.num > 1) {
            const std::string part = std::to_string(kSource * z.den / z.num + 1);
            const std::string cmd = "vips crop " + vsrc + " " + crop + " 0 0 " + part + " " + part +
                                    " && vips resize " + crop + " " + vout + " " + factor + " --kernel nearest";
            vips = haveVips ? TimeCommand("VIPS_CONCURRENCY=1 " + cmd, 3) : -1;
            Row("vips crop + resize --kernel nearest, 1 thread", vips);
        } else {
            const std::string cmd = "vips resize " + vsrc + " " + vout + " " + factor + " --kernel nearest";
            vips = haveVips ? TimeCommand("VIPS_CONCURRENCY=1 " + cmd, 3) : -1;
            Row("vips resize --kernel nearest, 1 thread", vips);
            Row("vips resize --kernel nearest, default", haveVips ? TimeCommand(cmd, 3) : -1);
        }
        if (ours > 0 && vips > 0)
            ReportRatioOnly("drawctx", std::string(z.name) + ", rows / vips 1 thread", ours / vips);
    }
    if (haveVips)
        Row("(vips copy of the source, file overhead)", TimeCommand("vips copy " + vsrc + " " + vout, 3));
    WARelease(wa);
    fs::remove_all(work);
    return 0;
}
