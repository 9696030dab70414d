// Redraw of a 1920 x 1080 window over a 10000 x 8000 24-bit picture through
// the blitter's tile cache, at zoom 1, 1/4 and 3, into a memory framebuffer.
// Warm: every visible tile cached and up to date, so a redraw only paints;
// it is compared with copying the window's bytes once with memcpy, the
// floor of any redraw. Cold: the cache emptied by a collection that drops
// caches, so every visible tile is rendered through the stretch again; it is
// compared with libvips resizing the same visible source region (`vips
// resize --kernel nearest`, from and to a memory-backed file) in the same run.
// The picture serves 64 x 64 tile views of a few stored cells, as a tiled
// picture does, so rendering costs what the stretch and the cache cost.
#include "BenchResult.h"
#include "OutsideTool.h"
#include "blt/Blt.h"
#include "blt/MemoryDC.h"
#include "render/PixConverter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int32_t kWidth = 10000;
constexpr int32_t kHeight = 8000;
constexpr int32_t kCell = 64;
constexpr int32_t kCells = 16;
constexpr int32_t kWindowW = 1920;
constexpr int32_t kWindowH = 1080;

class CellPicture : public QnRenderObj {
public:
    int Compare(const PpQnFlVal&) const override { return 0; }

    const uint8_t* Pixel(int32_t x, int32_t y) const
    {
        return cells_->CRow(CellOf(x / kCell, y / kCell) * kCell + y % kCell) + size_t(x % kCell) * 3;
    }

protected:
    friend struct ::QnObjCreator;
    CellPicture() : QnRenderObj(0, 0), cells_(PpQnPixBuf::ForRect(QnRect{0, 0, kCell, kCell * kCells}, 3))
    {
        std::mt19937 gen(5);
        for (int32_t y = 0; y < kCell * kCells; ++y)
            for (int32_t b = 0; b < kCell * 3; ++b)
                cells_->Row(y)[b] = uint8_t(gen());
    }

    QnRect GetRect_I(const QnXFormXY&) override { return QnRect{0, 0, kWidth, kHeight}; }
    PpQnPixConverter GetConverterToStd() override { return PpQnPixConverter(PpQnPixConverter::TAG{}); }
    PpQnPixBuf Render_I(const QnXFormXY&, int, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress*, int rectOnly) override
    {
        const int32_t cx = anchor.x / kCell, cy = anchor.y / kCell;
        const QnRect cell{cx * kCell, cy * kCell, cx * kCell + kCell, cy * kCell + kCell};
        *got = QnIntersectRect(QnIntersectRect(cell, request), QnRect{0, 0, kWidth, kHeight});
        if (rectOnly)
            return PpQnPixBuf();
        const int32_t first = CellOf(cx, cy) * kCell;
        return PpQnPixBuf(cells_, QnRect{got->left, got->top, got->right, got->bottom},
                          first + got->top - cell.top, (got->left - cell.left) * 3, 0);
    }

private:
    static int32_t CellOf(int32_t cx, int32_t cy) { return (cx * 7 + cy * 3) % kCells; }

    PpQnPixBuf cells_;
};

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

template <class F>
double BestMs(int runs, F&& f)
{
    double best = -1;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        f();
        const double t = Ms(Clock::now() - start);
        best = best < 0 ? t : std::min(best, t);
    }
    return best;
}

double TimeCommandMs(const std::string& command, int runs)
{
    const double seconds = TimeCommand(command, runs);
    return seconds < 0 ? -1 : seconds * 1000;
}

void Row(const char* what, double ms, double floor = 0)
{
    if (ms < 0)
        std::printf("  %-52s   (not available)\n", what);
    else if (floor > 0)
        std::printf("  %-52s %9.2f ms  (%.2fx)\n", what, ms, ms / floor);
    else
        std::printf("  %-52s %9.2f ms\n", what, ms);
}

struct Zoom {
    const char* name;
    int32_t num;
    int32_t den;
};

// The picture pixel that screen pixel z of the zoomed plane shows: the one
// under its centre.
int32_t SourceOf(int32_t z, const Zoom& zoom) { return int32_t((2 * int64_t(z) + 1) * zoom.den / (2 * zoom.num)); }

bool Check(const MemoryDC& dc, const CellPicture& picture, const Zoom& zoom, int32_t dx, int32_t dy)
{
    std::mt19937 gen(3);
    for (int n = 0; n < 20000; ++n) {
        const int32_t x = int32_t(gen() % kWindowW), y = int32_t(gen() % kWindowH);
        const uint8_t* want = picture.Pixel(SourceOf(x + dx, zoom), SourceOf(y + dy, zoom));
        if (std::memcmp(dc.DeviceRow(y) + size_t(x) * 3, want, 3) != 0)
            return false;
    }
    return true;
}

// The source region under the window, as a PPM file for vips.
void WriteRegion(const std::string& path, const CellPicture& picture, const QnRect& r)
{
    std::ofstream f(path, std::ios::binary);
    f << "P6\n" << r.Width() << " " << r.Height() << "\n255\n";
    std::vector<char> row(size_t(r.Width()) * 3);
    for (int32_t y = r.top; y < r.bottom; ++y) {
        for (int32_t x = r.left; x < r.right; ++x) {
            const uint8_t* p = picture.Pixel(x, y); // stored blue, green, red
            row[size_t(x - r.left) * 3] = char(p[2]);
            row[size_t(x - r.left) * 3 + 1] = char(p[1]);
            row[size_t(x - r.left) * 3 + 2] = char(p[0]);
        }
        f.write(row.data(), std::streamsize(row.size()));
    }
}

} // namespace

// --no-vips leaves the outside tool out (for profiling the blitter alone).
int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path work = dir / ("qn-blt-bench-" + std::to_string(::getpid()));
    fs::create_directories(work);
    const bool noVips = argc > 1 && std::strcmp(argv[1], "--no-vips") == 0;
    const bool haveVips = !noVips && HaveTool("vips");

    auto picture = QnCreate<CellPicture>();
    const PpQnRenderObj object(picture);
    MemoryDC dc(kWindowW, kWindowH);
    const QnRgn window(QnRect{0, 0, kWindowW, kWindowH});

    // The floor: the window's bytes copied once.
    std::vector<uint8_t> from(size_t(kWindowW) * kWindowH * 3, 7), to(from.size());
    const double floor = BestMs(100, [&] { std::memcpy(to.data(), from.data(), from.size()); });

    std::printf("Redraw of a %d x %d window over a %d x %d picture, 128 x 128 tiles (best of runs)\n", kWindowW,
                kWindowH, kWidth, kHeight);
    Row("memcpy of the window's bytes (floor)", floor);
    int status = 0;
    for (const Zoom zoom : {Zoom{"1", 1, 1}, Zoom{"1/4", 1, 4}, Zoom{"3", 3, 1}}) {
        std::printf("zoom %s\n", zoom.name);
        const QnXForm axis(zoom.num, 0, uint32_t(zoom.den));
        const QnXFormXY xf(axis, axis);
        // The window over the middle of the zoomed picture.
        const int64_t zw = int64_t(kWidth) * zoom.num / zoom.den, zh = int64_t(kHeight) * zoom.num / zoom.den;
        const int32_t dx = int32_t(std::max<int64_t>(0, (zw - kWindowW) / 2) / 128 * 128 + 37);
        const int32_t dy = int32_t(std::max<int64_t>(0, (zh - kWindowH) / 2) / 128 * 128 + 53);

        QnBlt blt;
        auto draw = [&] { blt.Draw(dc, window, object, dx, dy, xf, QnXFormXY(), 0, nullptr); };
        double cold = -1;
        for (int i = 0; i < 5; ++i) {
            blt.ForceFullRepaint();
            QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
            const double t = BestMs(1, draw);
            cold = cold < 0 ? t : std::min(cold, t);
        }
        const double warm = BestMs(100, draw);
        if (!Check(dc, *picture, zoom, dx, dy)) {
            std::printf("  wrong pixels\n");
            status = 1;
        }
        Row("warm redraw (tiles cached, paint only)", warm, floor);
        Row("cold redraw (tiles rendered through the stretch)", cold);
        ReportRatioOnly("blt", std::string("zoom ") + zoom.name + ", warm redraw / memcpy", warm / floor);

        if (haveVips) {
            const QnRect region{SourceOf(dx, zoom), SourceOf(dy, zoom), SourceOf(dx + kWindowW - 1, zoom) + 1,
                                SourceOf(dy + kWindowH - 1, zoom) + 1};
            const std::string ppm = (work / "region.ppm").string(), src = (work / "region.v").string();
            const std::string out = (work / "out.v").string();
            WriteRegion(ppm, *picture, region);
            std::system(("vips copy " + ppm + " " + src + " >/dev/null 2>&1").c_str());
            const std::string factor = std::to_string(double(zoom.num) / zoom.den);
            const std::string resize = "vips resize " + src + " " + out + " " + factor + " --kernel nearest";
            char what[96];
            std::snprintf(what, sizeof what, "vips resize of the visible %lld x %lld region",
                          (long long)region.Width(), (long long)region.Height());
            Row(what, TimeCommandMs(resize, 3));
            const double vips = TimeCommandMs("VIPS_CONCURRENCY=1 " + resize, 3);
            Row("vips resize, 1 thread", vips);
            if (vips > 0)
                ReportRatioOnly("blt", std::string("zoom ") + zoom.name + ", cold redraw / vips 1 thread", cold / vips);
            Row("(vips copy of the region: process and file overhead)", TimeCommandMs("vips copy " + src + " " + out, 3));
        } else {
            Row("vips resize of the visible region", -1);
        }
    }
    fs::remove_all(work);
    return status;
}
