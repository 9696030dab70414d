// Loading and saving a 5000 x 5000 picture as JPEG, PNG and TIFF with the
// import/export library, beside `vips copy` and ImageMagick's `convert` on
// the same files in the same run; the same through the picture library
// (file descriptors, tiled pictures), and the picture's stored form beside
// vips' own format. Each load-and-save runs in a process of its own (ours
// re-runs this program), so that the wall time and the peak resident memory
// (the child's ru_maxrss) are measured the same way for all.
#include "BenchResult.h"
#include "ProcessMeasure.h"
#include "base/QnExcept.h"
#include "imexp/ImExp.h"
#include "lang/LsmStream.h"
#include "picture/FileDescriptor.h"
#include "picture/FileHandle.h"
#include "picture/Picture.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <memory>
#include <sys/mman.h>
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
        // Rows as a caller that holds a whole picture keeps them: in memory
        // that every row write fills (no zeroing first), in 2 MB pages
        // where the kernel has them, as the picture library's tiles are.
        const size_t size = (rowBytes * size_t(height) + kHugePage - 1) / kHugePage * kHugePage;
        bits.reset(static_cast<uint8_t*>(std::aligned_alloc(kHugePage, size)));
        if (!bits)
            std::abort();
        madvise(bits.get(), size, MADV_HUGEPAGE);
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
        std::memcpy(bits.get() + size_t(row) * rowBytes, data, rowBytes);
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
        std::memcpy(out, bits.get() + size_t(row) * rowBytes, rowBytes);
        return 0;
    }

    int width = 0, height = 0, type = 0;
    size_t rowBytes = 0;
    struct Free {
        void operator()(uint8_t* p) const { std::free(p); }
    };
    static constexpr size_t kHugePage = size_t(2) << 20;
    std::unique_ptr<uint8_t[], Free> bits;
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
        uint8_t* row = p.bits.get() + size_t(y) * p.rowBytes;
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

// The picture's stored form in a file of its own: what the load/save cache
// keeps under a descriptor that is not a picture file.
class StoredFormDsc : public QnLsmDsc {
public:
    QnLsmHandle* Open(dh_mode mode) override { return new QnFileHandle(path_.c_str(), mode); }

protected:
    friend struct ::QnObjCreator;
    explicit StoredFormDsc(std::string path) : QnLsmDsc(0), path_(std::move(path)) {}

private:
    std::string path_;
};

constexpr const char* kStoredExt = ".stored";

bool IsStored(const std::string& path)
{
    return path.size() > std::strlen(kStoredExt) && path.ends_with(kStoredExt);
}

PpQnLsmDsc DescriptorOf(const std::string& path, QnFileDescriptor::fd_type kind)
{
    if (IsStored(path))
        return PpQnLsmDsc(QnPp<QnLsmDsc>(QnCreate<StoredFormDsc>(path)));
    return PpQnLsmDsc(QnPp<QnLsmDsc>(PpQnFileDescriptor(path.c_str(), kind)));
}

// The picture library's load and save, in the child process: files named
// *.stored hold the stored form, any other a picture file.
int CopyWithPicture(const char* in, const char* out, const char* options)
{
    try {
        PpQnPicture pic(DescriptorOf(in, QnFileDescriptor::FD_EXISTING), nullptr);
        pic->SetSaveOptions(QnSaveOptions(options));
        pic->Save(DescriptorOf(out, QnFileDescriptor::FD_NEW), nullptr);
    } catch (const QnExcept& e) {
        std::fprintf(stderr, "%s %s\n", e.what(), ImExp_GetLastError());
        return 1;
    }
    return 0;
}

Measure Run(const std::vector<std::string>& argv)
{
    return RunProcess(argv, kRuns);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--copy") == 0)
        return CopyWithImexp(argv[2], argv[3], argv[4]);
    if (argc == 5 && std::strcmp(argv[1], "--picture") == 0)
        return CopyWithPicture(argv[2], argv[3], argv[4]);

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
        const Measure picture = Run({"/proc/self/exe", "--picture", in, out, f.ours});
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
        row("picture", picture);
        row("vips copy", vips);
        row("convert", im);
        if (ours.ms > 1.1 * vips.ms || ours.maxrssKb > 2 * vips.maxrssKb)
            std::printf("%-6s imexp misses the target (time within 1.1x, memory within 2x of vips)\n", f.ext);
        const std::string ext = f.ext;
        if (ours.ok && vips.ok) {
            ReportRatio("imexp", ext + " load and save / vips copy, time", ours.ms / vips.ms, 1.1);
            ReportRatio("imexp", ext + " load and save / vips copy, memory",
                        double(ours.maxrssKb) / double(vips.maxrssKb), 2);
        } else {
            ReportNotMeasured("imexp", ext + " load and save / vips copy, time", "1.1x");
            ReportNotMeasured("imexp", ext + " load and save / vips copy, memory", "2x");
        }
        if (picture.ok && vips.ok)
            ReportRatioOnly("imexp", ext + " through the picture library / vips copy, time", picture.ms / vips.ms);
        if (ours.maxrssKb == 0 || picture.maxrssKb == 0)
            status = 1;
    }

    // The stored form (a headerless DIB through the picture's own writer and
    // reader) beside vips' native format, both uncompressed.
    {
        const std::string tif = folder + "/in.tif";
        const std::string in = folder + "/in" + kStoredExt;
        const std::string out = folder + "/out" + kStoredExt;
        Run({"/proc/self/exe", "--picture", tif, in, ""});
        Run({"vips", "copy", tif, folder + "/in.v"});
        const Measure stored = Run({"/proc/self/exe", "--picture", in, out, ""});
        const Measure vips = Run({"vips", "copy", folder + "/in.v", folder + "/out.v"});
        std::printf("%-6s %-10s %10.0f %10.1f %13.2fx %11.2fx\n", "stored", "picture", stored.ms,
                    stored.maxrssKb / 1024.0, stored.ms / vips.ms, double(stored.maxrssKb) / double(vips.maxrssKb));
        std::printf("%-6s %-10s %10.0f %10.1f %13.2fx %11.2fx\n", "v", "vips copy", vips.ms, vips.maxrssKb / 1024.0,
                    1.0, 1.0);
        if (stored.maxrssKb == 0)
            status = 1;
    }
    std::string rm = "rm -rf " + folder;
    std::system(rm.c_str());
    return status;
}
