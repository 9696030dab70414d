// Loading and saving a 5000 x 5000 picture as JPEG, PNG and TIFF with the
// import/export library, beside `vips copy` and ImageMagick's `convert` on
// the same files in the same run. Each load-and-save runs in a process of
// its own (ours re-runs this program), so that the wall time and the peak
// resident memory (the child's ru_maxrss) are measured the same way for all.
#include "imexp/ImExp.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kSide = 5000;
constexpr int kRuns = 3;

// The picture as the picture library would hold it: all rows in memory.
class MemoryPicture : public CAbstractReadWA, public CAbstractWriteWA {
public:
    int SetImageNum(int) override { return 0; }
    int SetLayersNum(int, int) override { return 0; }
    int SetSize(int, int, int w, int h) override
    {
        width = w;
        height = h;
        return 0;
    }
    int SetType(int, int, int t) override
    {
        type = t;
        rowBytes = size_t(platform::DibRowBytes(uint64_t(width), unsigned(WaBitsPerPixel(t))));
        bits.resize(rowBytes * size_t(height));
        return 0;
    }
    int SetPalette(int, int, PALETTEENTRY* e, int n) override
    {
        std::memcpy(palette, e, sizeof(PALETTEENTRY) * size_t(std::min(n, 256)));
        return 0;
    }
    int SetRes(int, int, int, int) override { return 0; }
    int SetRow(int, int, int row, const unsigned char* data) override
    {
        std::memcpy(bits.data() + size_t(row) * rowBytes, data, rowBytes);
        return 0;
    }
    int GetImageNum(int& n) const override { n = 1; return 0; }
    int GetLayersNum(int, int& n) const override { n = 1; return 0; }
    int GetSize(int, int, int& w, int& h) const override { w = width; h = height; return 0; }
    int GetType(int, int, int& t) const override { t = type; return 0; }
    int GetPalette(int, int, PALETTEENTRY* out) const override
    {
        std::memcpy(out, palette, sizeof palette);
        return 0;
    }
    int GetRes(int, int, int& h, int& v) const override { h = v = 72; return 0; }
    int GetRow(int, int, int row, unsigned char* out) const override
    {
        std::memcpy(out, bits.data() + size_t(row) * rowBytes, rowBytes);
        return 0;
    }

    int width = 0, height = 0, type = 0;
    size_t rowBytes = 0;
    std::vector<uint8_t> bits;
    PALETTEENTRY palette[256] = {};
};

// A photograph-like test picture: smooth gradients, edges and mild noise.
void MakeInputs(const std::string& folder)
{
    MemoryPicture p;
    p.SetSize(0, 0, kSide, kSide);
    p.SetType(0, 0, WA_RGB24);
    uint32_t seed = 12345;
    for (int y = 0; y < kSide; ++y) {
        uint8_t* row = p.bits.data() + size_t(y) * p.rowBytes;
        for (int x = 0; x < kSide; ++x) {
            seed = seed * 214013 + 2531011;
            const int noise = int(seed >> 16 & 15) - 8;
            const int ring = ((x - 2500) * (x - 2500) + (y - 2000) * (y - 2000)) / 9000 % 64;
            row[3 * x] = uint8_t(std::clamp(x / 20 + ring + noise, 0, 255));
            row[3 * x + 1] = uint8_t(std::clamp(y / 20 + noise, 0, 255));
            row[3 * x + 2] = uint8_t(std::clamp((x + y) / 40 + (x / 500 % 2) * 60 + noise, 0, 255));
        }
    }
    const imexp::Status a = imexp::WritePicture(folder + "/in.jpg", p, imexp::WriteOptions::FromText("quality=90"));
    const imexp::Status b = imexp::WritePicture(folder + "/in.png", p);
    const imexp::Status c = imexp::WritePicture(folder + "/in.tif", p, imexp::WriteOptions::FromText("compression=none"));
    if (!a || !b || !c) {
        std::fprintf(stderr, "%s%s%s\n", a.error.c_str(), b.error.c_str(), c.error.c_str());
        std::exit(1);
    }
}

// Our load and save, in the child process.
int CopyWithImexp(const char* in, const char* out, const char* options)
{
    MemoryPicture p;
    const imexp::Status read = imexp::ReadPicture(in, p);
    if (!read) {
        std::fprintf(stderr, "%s\n", read.error.c_str());
        return 1;
    }
    const imexp::Status write = imexp::WritePicture(out, p, imexp::WriteOptions::FromText(options));
    if (!write) {
        std::fprintf(stderr, "%s\n", write.error.c_str());
        return 1;
    }
    return 0;
}

struct Measure {
    double ms = 1e30;
    long maxrssKb = 0;
};

Measure Run(const std::vector<std::string>& argv)
{
    Measure best;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            std::vector<char*> args;
            for (const std::string& a : argv)
                args.push_back(const_cast<char*>(a.c_str()));
            args.push_back(nullptr);
            execvp(args[0], args.data());
            _exit(127);
        }
        int status = 0;
        struct rusage usage {};
        wait4(pid, &status, 0, &usage);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "failed: %s\n", argv[0].c_str());
            return {};
        }
        best.ms = std::min(best.ms, ms);
        best.maxrssKb = std::max(best.maxrssKb, usage.ru_maxrss);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--copy") == 0)
        return CopyWithImexp(argv[2], argv[3], argv[4]);

    char pattern[] = "/tmp/imexp-bench-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    MakeInputs(folder);
    std::printf("load and save of a %d x %d 24-bit picture, best of %d runs; peak memory is the process's maxrss\n",
                kSide, kSide, kRuns);
    std::printf("%-6s %-10s %10s %10s %14s %12s\n", "format", "tool", "ms", "MB", "time vs vips", "mem vs vips");

    struct Format {
        const char* ext;
        const char* ours;       // our option text
        const char* vipsOut;    // vips output options, to do the same work
        std::vector<std::string> convertOptions;
    };
    const Format formats[] = {
        {"jpg", "quality=85", "[Q=85]", {"-quality", "85"}},
        {"png", "", "[compression=6,filter=sub]", {"-quality", "61"}},  // zlib level 6, sub filter
        {"tif", "compression=none", "[compression=none]", {"-compress", "None"}},
    };
    int status = 0;
    for (const Format& f : formats) {
        const std::string in = folder + "/in." + f.ext;
        const std::string out = folder + "/out." + f.ext;
        const Measure ours = Run({"/proc/self/exe", "--copy", in, out, f.ours});
        const Measure vips = Run({"vips", "copy", in, out + f.vipsOut});
        std::vector<std::string> convert = {"convert", in};
        convert.insert(convert.end(), f.convertOptions.begin(), f.convertOptions.end());
        convert.push_back(out);
        const Measure im = Run(convert);
        const auto row = [&](const char* tool, const Measure& m) {
            std::printf("%-6s %-10s %10.0f %10.1f %13.2fx %11.2fx\n", f.ext, tool, m.ms, m.maxrssKb / 1024.0,
                        m.ms / vips.ms, double(m.maxrssKb) / double(vips.maxrssKb));
        };
        row("imexp", ours);
        row("vips copy", vips);
        row("convert", im);
        if (ours.ms > 1.1 * vips.ms || ours.maxrssKb > 2 * vips.maxrssKb)
            std::printf("%-6s imexp misses the target (time within 1.1x, memory within 2x of vips)\n", f.ext);
        if (ours.maxrssKb == 0)
            status = 1;
    }
    std::string rm = "rm -rf " + folder;
    std::system(rm.c_str());
    return status;
}
