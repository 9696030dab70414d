// Nearest-sample stretch of a 5000 x 5000 24-bit picture to 4500 x 4500 and
// to 10000 x 10000 into a plain buffer, block by block as the blitter and
// the resize built-in drive it, beside libvips (`vips resize --kernel
// nearest`, one thread and its default) and ImageMagick (`-sample`) doing
// the same in the same run. The source serves 64 x 64 tile views of one
// store, as a tiled picture does. The outside tools read their input from a
// memory-backed file; vips also writes its result to one, ImageMagick
// discards it.
#include "BenchResult.h"
#include "render/StretchRenderObj.h"

#include "OutsideTool.h"

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

namespace {

constexpr int32_t kSource = 5000;
constexpr int32_t kTile = 64;
const QnXFormXY kIdentity;

class TiledSource : public QnRenderObj {
public:
    int Compare(const PpQnFlVal&) const override { return 0; }
    const PpQnPixBuf& Pixels() const { return pixels_; }

protected:
    friend struct ::QnObjCreator;
    TiledSource() : QnRenderObj(0, 0), pixels_(PpQnPixBuf::ForRect(QnRect{0, 0, kSource, kSource}, 3))
    {
        std::mt19937 gen(7);
        uint8_t* p = pixels_->Row(0);
        for (size_t i = 0; i < size_t(kSource) * kSource * 3; i += 4) {
            const uint32_t v = gen();
            std::memcpy(p + i, &v, std::min<size_t>(4, size_t(kSource) * kSource * 3 - i));
        }
    }
    QnRect GetRect_I(const QnXFormXY&) override { return QnRect{0, 0, kSource, kSource}; }
    PpQnPixConverter GetConverterToStd() override { return PpQnPixConverter(PpQnPixConverter::TAG{}); }
    PpQnPixBuf Render_I(const QnXFormXY&, int, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress*, int rectOnly) override
    {
        const int32_t cx = anchor.x / kTile * kTile, cy = anchor.y / kTile * kTile;
        *got = QnIntersectRect(QnIntersectRect(QnRect{cx, cy, cx + kTile, cy + kTile}, request),
                               QnRect{0, 0, kSource, kSource});
        if (rectOnly)
            return PpQnPixBuf();
        return PpQnPixBuf(pixels_, *got, got->top, got->left * 3, 0);
    }

private:
    PpQnPixBuf pixels_;
};

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The whole target, 64 x 64 blocks in rows, copied into out.
void StretchInto(QnRenderObj& stretch, int32_t target, std::vector<uint8_t>& out)
{
    const QnRect whole{0, 0, target, target};
    const size_t stride = size_t(target) * 3;
    for (int32_t y = 0; y < target; y += 64)
        for (int32_t x = 0; x < target; x += 64) {
            QnRect got;
            PpQnPixBuf block = stretch.Render(kIdentity, 0, QnPoint{x, y}, whole, &got, nullptr, 0);
            const size_t bytes = size_t(got.Width()) * 3;
            for (int32_t i = 0; i < got.Height(); ++i)
                std::memcpy(out.data() + size_t(got.top + i) * stride + size_t(got.left) * 3, block->CRow(i), bytes);
        }
}

bool Check(const TiledSource& source, const std::vector<uint8_t>& out, int32_t target)
{
    std::mt19937 gen(11);
    for (int n = 0; n < 10000; ++n) {
        const int32_t x = int32_t(gen() % uint32_t(target)), y = int32_t(gen() % uint32_t(target));
        const int32_t sx = int32_t((2 * int64_t(x) + 1) * kSource / (2 * int64_t(target)));
        const int32_t sy = int32_t((2 * int64_t(y) + 1) * kSource / (2 * int64_t(target)));
        if (std::memcmp(&out[(size_t(y) * target + x) * 3], source.Pixels()->CRow(sy) + sx * 3, 3) != 0)
            return false;
    }
    return true;
}

void Row(const char* what, double seconds)
{
    if (seconds < 0)
        std::printf("  %-44s   (not available)\n", what);
    else
        std::printf("  %-44s %8.3f s\n", what, seconds);
}

} // namespace

int main()
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path work = dir / ("qn-stretch-bench-" + std::to_string(::getpid()));
    fs::create_directories(work);
    const std::string ppm = (work / "src.ppm").string(), vsrc = (work / "src.v").string();
    const std::string mpc = (work / "src.mpc").string(), vout = (work / "out.v").string();

    auto source = QnCreate<TiledSource>();
    {
        std::ofstream f(ppm, std::ios::binary);
        f << "P6\n" << kSource << " " << kSource << "\n255\n";
        f.write(reinterpret_cast<const char*>(source->Pixels()->CRow(0)), std::streamsize(kSource) * kSource * 3);
    }
    const bool haveVips = std::system(("vips copy " + ppm + " " + vsrc + " >/dev/null 2>&1").c_str()) == 0;
    const std::string im = FindImageMagick();
    const bool haveIm = !im.empty() && std::system((im + " " + ppm + " " + mpc + " >/dev/null 2>&1").c_str()) == 0;

    std::printf("Nearest-sample stretch of %d x %d, 24-bit (best of 3)\n", kSource, kSource);
    int status = 0;
    for (int32_t target : {4500, 10000}) {
        std::printf("to %d x %d\n", target, target);
        const QnXForm scale(target, 0, uint32_t(kSource));
        const QnStretchRenderObj::PlaneFmt format[] = {{3, 1, 3, 1}};
        PpQnStretchRenderObj stretch(QnXFormXY(scale, scale), 0, PpQnRenderObj(source), 1, format,
                                     PpQnPixConverter(PpQnPixConverter::TAG{}), -1);
        std::vector<uint8_t> out(size_t(target) * target * 3);
        double best = -1;
        for (int i = 0; i < 3; ++i) {
            const auto start = std::chrono::steady_clock::now();
            StretchInto(*stretch, target, out);
            const double t = Seconds(std::chrono::steady_clock::now() - start);
            best = best < 0 ? t : std::min(best, t);
        }
        if (!Check(*source, out, target)) {
            std::printf("  wrong pixels\n");
            status = 1;
        }
        Row("QnStretchRenderObj, 64 x 64 blocks", best);

        const std::string factor = std::to_string(double(target) / kSource);
        const std::string resize = "vips resize " + vsrc + " " + vout + " " + factor + " --kernel nearest";
        const double vips = haveVips ? TimeCommand("VIPS_CONCURRENCY=1 " + resize, 3) : -1;
        Row("vips resize --kernel nearest, 1 thread", vips);
        if (best > 0 && vips > 0)
            ReportRatioOnly("stretch", "to " + std::to_string(target) + "^2 / vips 1 thread", best / vips);
        Row("vips resize --kernel nearest, default", haveVips ? TimeCommand(resize, 3) : -1);
        const std::string size = std::to_string(target) + "x" + std::to_string(target) + "!";
        Row("ImageMagick -sample", haveIm ? TimeCommand(im + " " + mpc + " -sample " + size + " null:", 3) : -1);
    }
    if (haveVips)
        Row("(vips copy of the source, file overhead)", TimeCommand("vips copy " + vsrc + " " + vout, 3));
    fs::remove_all(work);
    return status;
}
