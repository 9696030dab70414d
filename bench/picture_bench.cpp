// A 5000 x 5000 24-bit picture: filled row by row through the import sink
// and rendered whole; converted to grey; a second picture blended over it as
// a layer. Each beside libvips (one thread and its default) and ImageMagick
// doing the same in the same run. Every measurement runs in a process of its
// own, so that its peak resident size is its own: ours re-runs this program
// for one stage, the outside tools read memory-backed files. Our figures
// exclude file input and output; theirs include it.
#include "BenchResult.h"
#include "OutsideTool.h"
#include "PpmFile.h"
#include "picture/CSConv.h"
#include "picture/Layer.h"
#include "picture/Picture.h"
#include "platform/Dib.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int32_t kSize = 5000;
constexpr double kMegapixels = double(kSize) * kSize / 1e6;

// The bytes Filled(seed) puts in, bottom-up rows, for the outside tools.
std::vector<uint8_t> SourceBytes(uint32_t seed)
{
    std::vector<uint8_t> bytes(size_t(kSize) * kSize * 3);
    const size_t rowBytes = size_t(kSize) * 3;
    std::mt19937 gen(seed);
    for (size_t r = 0; r < size_t(kSize); ++r)
        for (size_t b = 0; b + 4 <= rowBytes; b += 4) {
            const uint32_t v = gen();
            std::memcpy(&bytes[r * rowBytes + b], &v, 4);
        }
    return bytes;
}

// Fills a picture through the sink as a reader would, one row at a time:
// only the picture itself stays in memory.
PpQnPicture Filled(uint32_t seed)
{
    PpQnPicture pic = PpQnPicture::Empty();
    pic->SetSize(0, 0, kSize, kSize);
    pic->SetType(0, 0, WA_RGB24);
    std::vector<uint8_t> row(size_t(kSize) * 3);
    std::mt19937 gen(seed);
    for (int32_t i = 0; i < kSize; ++i) {
        for (size_t b = 0; b + 4 <= row.size(); b += 4) {
            const uint32_t v = gen();
            std::memcpy(&row[b], &v, 4);
        }
        pic->SetRow(0, 0, i, row.data());
    }
    return pic;
}

// The whole picture in 64 x 64 pieces, as the blitter asks; each piece is
// summed and dropped, as a writer streaming it out would.
uint32_t RenderWhole(const PpQnRenderObj& obj, int32_t bytes)
{
    const QnRect whole{0, 0, kSize, kSize};
    uint32_t sum = 0;
    for (int32_t y = 0; y < kSize; y += 64)
        for (int32_t x = 0; x < kSize; x += 64) {
            QnRect got;
            PpQnPixBuf piece = obj->Render(QnXFormXY(), 0, QnPoint{x, y}, whole, &got, nullptr, 0);
            const size_t n = size_t(got.Width()) * size_t(bytes);
            for (int32_t i = 0; i < got.Height(); ++i) {
                const uint8_t* p = piece->CRow(i);
                for (size_t k = 0; k < n; k += 16)
                    sum += p[k];
            }
        }
    return sum;
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// One stage in this process; prints its seconds.
int RunStage(const std::string& stage)
{
    uint32_t sum = 0;
    auto start = std::chrono::steady_clock::now();
    if (stage == "fill") {
        PpQnPicture pic = Filled(7);
        sum = RenderWhole(PpQnRenderObj(pic), 3);
    } else if (stage == "grey") {
        PpQnPicture pic = Filled(7);
        start = std::chrono::steady_clock::now();
        sum = RenderWhole(PpQnCS(PpQnCS::TO_GRAY)->ConvertRender(PpQnRenderObj(pic)), 1);
    } else if (stage == "layer") {
        PpQnPicture lower = Filled(7);
        PpQnPicture upper = Filled(11);
        start = std::chrono::steady_clock::now();
        sum = RenderWhole(PpQnRenderObj(PpQnLayer(PpQnRenderObj(upper), PpQnRenderObj(lower))), 3);
    } else {
        return 2;
    }
    std::printf("%f %u\n", Seconds(std::chrono::steady_clock::now() - start), sum);
    return 0;
}

struct Measure {
    double seconds = -1; // negative: failed
    long peakKb = 0;
    std::string output;
};

// Runs a shell command in a child; its wall time, peak resident size and output.
Measure Run(const std::string& command)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        execl("/bin/sh", "sh", "-c", (command + " 2>/dev/null").c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    Measure m;
    char buf[256];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0)
        m.output.append(buf, size_t(n));
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        m.seconds = Seconds(std::chrono::steady_clock::now() - start);
        m.peakKb = usage.ru_maxrss;
    }
    return m;
}

// The best of three runs; ours report their own time.
Measure Best(const std::string& command, bool ownTime)
{
    Measure best;
    for (int i = 0; i < 3; ++i) {
        Measure m = Run(command);
        if (m.seconds < 0)
            return m;
        if (ownTime)
            m.seconds = std::atof(m.output.c_str());
        if (best.seconds < 0 || m.seconds < best.seconds)
            best = m;
    }
    return best;
}

void Row(const char* what, const Measure& m)
{
    if (m.seconds < 0)
        std::printf("  %-40s   (not available)\n", what);
    else
        std::printf("  %-40s %7.3f s %8.1f Mpx/s %7ld MB peak\n", what, m.seconds, kMegapixels / m.seconds,
                    m.peakKb / 1024);
}

void WritePpm(const std::string& path, const std::vector<uint8_t>& bgrBottomUp)
{
    const size_t row = size_t(kSize) * 3;
    WritePpmFromBgrRows(path, kSize, kSize, [&](int32_t y, uint8_t* bgr) {
        std::memcpy(bgr, bgrBottomUp.data() + size_t(kSize - 1 - y) * row, row);
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--stage")
        return RunStage(argv[2]);

    namespace fs = std::filesystem;
    const fs::path dir = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path work = dir / ("qn-picture-bench-" + std::to_string(::getpid()));
    fs::create_directories(work);
    auto at = [&](const char* name) { return (work / name).string(); };
    WritePpm(at("a.ppm"), SourceBytes(7));
    WritePpm(at("b.ppm"), SourceBytes(11));
    const bool vips = std::system(("vips copy " + at("a.ppm") + " " + at("a.v") + " >/dev/null 2>&1 && vips copy " +
                                   at("b.ppm") + " " + at("b.v") + " >/dev/null 2>&1 && vips bandjoin_const " +
                                   at("b.v") + " " + at("ba.v") + " 255 >/dev/null 2>&1")
                                      .c_str()) == 0;
    const std::string im = FindImageMagick();
    const bool magick = !im.empty() && std::system((im + " " + at("a.ppm") + " " + at("a.mpc") + " && " + im + " " +
                                                    at("b.ppm") + " -alpha set " + at("b.mpc") + " >/dev/null 2>&1")
                                                       .c_str()) == 0;
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const std::string one = "VIPS_CONCURRENCY=1 ";
    auto vipsRun = [&](const std::string& cmd, bool single) {
        return vips ? Best((single ? one : "") + "vips " + cmd, false) : Measure{};
    };

    std::printf("5000 x 5000, 24-bit, best of 3 (ours without file I/O, the tools with it)\n");
    std::printf("fill row by row and render whole\n");
    // Ours over vips with one thread, for the table.
    const auto ratio = [](const char* what, const Measure& ours, const Measure& vips) {
        if (ours.seconds > 0 && vips.seconds > 0)
            ReportRatioOnly("picture", what, ours.seconds / vips.seconds);
    };
    Measure ours = Best(self + " --stage fill", true), vips1 = vipsRun("copy " + at("a.v") + " " + at("out.v"), true);
    Row("QnPicture sink rows + 64 x 64 renders", ours);
    Row("vips copy, 1 thread", vips1);
    ratio("fill and render / vips copy 1 thread", ours, vips1);
    Row("vips copy, default", vipsRun("copy " + at("a.v") + " " + at("out.v"), false));
    Row("ImageMagick read + write", magick ? Best(im + " " + at("a.mpc") + " " + at("out.mpc"), false) : Measure{});

    std::printf("convert to grey\n");
    ours = Best(self + " --stage grey", true);
    vips1 = vipsRun("colourspace " + at("a.v") + " " + at("out.v") + " b-w", true);
    Row("PpQnCS(TO_GRAY) render whole", ours);
    Row("vips colourspace b-w, 1 thread", vips1);
    ratio("grey / vips 1 thread", ours, vips1);
    Row("vips colourspace b-w, default", vipsRun("colourspace " + at("a.v") + " " + at("out.v") + " b-w", false));
    Row("ImageMagick -colorspace Gray",
        magick ? Best(im + " " + at("a.mpc") + " -colorspace Gray " + at("out.mpc"), false) : Measure{});

    std::printf("blend a layer over it\n");
    ours = Best(self + " --stage layer", true);
    vips1 = vipsRun("composite2 " + at("a.v") + " " + at("ba.v") + " " + at("out.v") + " over", true);
    Row("QnLayer render whole", ours);
    Row("vips composite2 over, 1 thread", vips1);
    ratio("layer / vips 1 thread", ours, vips1);
    Row("vips composite2 over, default", vipsRun("composite2 " + at("a.v") + " " + at("ba.v") + " " + at("out.v") + " over", false));
    Row("ImageMagick -composite",
        magick ? Best(im + " " + at("a.mpc") + " " + at("b.mpc") + " -composite " + at("out.mpc"), false) : Measure{});

    fs::remove_all(work);
    return 0;
}
