// Colour-range selection on a 12-megapixel photograph as the selector makes
// it: the picture rendered to a DIB, the 4-connected area within the
// tolerance found from a seed and turned into a region, and the region made
// into the selection mask that operations compose with. Against libvips'
// flood fill (`vips draw_flood --equal`, on the same area already marked in
// a test image, so that vips does no colour test of its own) and
// ImageMagick's fuzzy flood fill, each a process of its own, with each tool's
// plain read-and-write of the same file beside it.
#include "BenchResult.h"
#include "PhotoSample.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/operations/DibExport.h"
#include "editor/operations/FlRgn.h"
#include "editor/operations/RgnFinder.h"
#include "editor/operations/RgnToSelect.h"
#include "lang/MachineContext.h"
#include "render/XFormXY.h"

#ifdef QN_HAVE_VIPS
#include <vips/vips.h>
#endif

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kWidth = 4000, kHeight = 3000;
constexpr int kTolerance = 32;
constexpr QnPoint kSeed{2000, 1500};
constexpr int kRuns = 5;

double Ms(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

uint32_t PixelColour(const std::vector<uint8_t>& dib, QnPoint p)
{
    const size_t stride = (size_t(kWidth) * 3 + 3) & ~size_t(3);
    const uint8_t* px = &dib[40 + size_t(kHeight - 1 - p.y) * stride + size_t(p.x) * 3];
    return uint32_t(px[2]) | uint32_t(px[1]) << 8 | uint32_t(px[0]) << 16;  // red low, as a colour reference
}

#ifdef QN_HAVE_VIPS
struct VipsFigures {
    double testMs = 1e30;
    double floodMs = 1e30;
    int64_t area = 0;
};

// The picture's rows top-down as red, green, blue for libvips.
std::vector<uint8_t> RgbRows(const std::vector<uint8_t>& dib)
{
    const size_t stride = (size_t(kWidth) * 3 + 3) & ~size_t(3);
    std::vector<uint8_t> rgb(size_t(kWidth) * kHeight * 3);
    for (int y = 0; y < kHeight; ++y) {
        const uint8_t* px = &dib[40 + size_t(kHeight - 1 - y) * stride];
        uint8_t* out = &rgb[size_t(y) * kWidth * 3];
        for (int x = 0; x < kWidth; ++x) {
            out[3 * x] = px[3 * x + 2];
            out[3 * x + 1] = px[3 * x + 1];
            out[3 * x + 2] = px[3 * x];
        }
    }
    return rgb;
}

VipsFigures MeasureVips(const std::vector<uint8_t>& dib, uint32_t colour)
{
    VipsFigures figures;
    vips_concurrency_set(1);
    const std::vector<uint8_t> rgb = RgbRows(dib);
    double low[3], high[3];
    for (int c = 0; c < 3; ++c) {
        const int v = int((colour >> (8 * c)) & 0xFF);
        low[c] = std::max(0, v - kTolerance);
        high[c] = std::min(255, v + kTolerance);
    }
    for (int run = 0; run < kRuns; ++run) {
        auto t = std::chrono::steady_clock::now();
        VipsImage* in = vips_image_new_from_memory(rgb.data(), rgb.size(), kWidth, kHeight, 3, VIPS_FORMAT_UCHAR);
        VipsImage *above = nullptr, *below = nullptr, *both = nullptr, *all = nullptr;
        vips_moreeq_const(in, &above, low, 3, nullptr);
        vips_lesseq_const(in, &below, high, 3, nullptr);
        vips_boolean(above, below, &both, VIPS_OPERATION_BOOLEAN_AND, nullptr);
        vips_bandbool(both, &all, VIPS_OPERATION_BOOLEAN_AND, nullptr);
        VipsImage* test = vips_image_copy_memory(all);
        figures.testMs = std::min(figures.testMs, Ms(t));
        t = std::chrono::steady_clock::now();
        int left = 0, top = 0, width = 0, height = 0;
        vips_draw_flood1(test, 128, kSeed.x, kSeed.y, "equal", TRUE, "left", &left, "top", &top, "width", &width,
                         "height", &height, nullptr);
        figures.floodMs = std::min(figures.floodMs, Ms(t));
        const uint8_t* marked = static_cast<const uint8_t*>(vips_image_get_data(test));
        figures.area = 0;
        for (size_t i = 0; i < size_t(kWidth) * kHeight; ++i)
            figures.area += marked[i] == 128;
        for (VipsImage* image : {in, above, below, both, all, test})
            g_object_unref(image);
    }
    return figures;
}
#endif

}  // namespace

int main(int, char** argv)
{
#ifdef QN_HAVE_VIPS
    if (VIPS_INIT(argv[0]) != 0)
        return 1;
#else
    (void)argv;
#endif
    if (!HaveTool("convert")) {
        std::printf("skipped: ImageMagick's convert is not installed (it makes the photograph)\n");
        return 0;
    }
    char pattern[] = "/tmp/colour-range-bench-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    const std::string photo = folder + "/photo.ppm";
    if (!MakePhoto(photo, kWidth, kHeight))
        return 1;
    const PpQnPicture picture = ReadPpm(photo);
    if (!picture)
        return 1;

    double dibMs = 1e30, findMs = 1e30, maskMs = 1e30;
    QnRgn region;
    std::vector<uint8_t> dib;
    uint32_t colour = 0;
    for (int run = 0; run < kRuns; ++run) {
        auto t = std::chrono::steady_clock::now();
        dib = RenderObjToDib(PpQnRenderObj(picture), 3);
        dibMs = std::min(dibMs, Ms(t));
        colour = PixelColour(dib, kSeed);
        t = std::chrono::steady_clock::now();
        region = ColourRangeSelection(dib, kSeed, colour, kTolerance);
        findMs = std::min(findMs, Ms(t));
        t = std::chrono::steady_clock::now();
        QnMachineContext machine;
        const PpQnExpr mask = machine.eval(MakeRgnToSelectExpr(MakeRgnValueExpr(region), kWidth, kHeight), nullptr);
        QnCheckedCast<QnRenderObj>(QnValueOf(mask), "bench", __LINE__);
        maskMs = std::min(maskMs, Ms(t));
    }
    int64_t area = 0;
    for (const QnRect& r : region.rects())
        area += r.Width() * r.Height();
    int status = 0;
    const QnRect box = region.box();
    std::printf("colour-range selection on a %d x %d photograph from (%d, %d), tolerance %d: %lld pixels in %zu "
                "rectangles, box %lld x %lld; best of %d runs\n",
                kWidth, kHeight, kSeed.x, kSeed.y, kTolerance, static_cast<long long>(area), region.rects().size(),
                static_cast<long long>(box.Width()), static_cast<long long>(box.Height()), kRuns);
    const double ours = dibMs + findMs + maskMs;
    std::printf("%-44s %10.1f ms\n", "Telvy12 picture to DIB", dibMs);
    std::printf("%-44s %10.1f ms\n", "Telvy12 seed fill and region", findMs);
    std::printf("%-44s %10.1f ms\n", "Telvy12 selection mask", maskMs);
    std::printf("%-44s %10.1f ms\n", "Telvy12 in all", ours);

#ifdef QN_HAVE_VIPS
    const VipsFigures vips = MeasureVips(dib, colour);
    std::printf("%-44s %10.1f ms\n", "libvips range test into a test image", vips.testMs);
    std::printf("%-44s %10.1f ms (%lld pixels)\n", "libvips flood fill of the test image", vips.floodMs,
                static_cast<long long>(vips.area));
    std::printf("against libvips: %.2fx (target: no slower, 1x)\n", ours / (vips.testMs + vips.floodMs));
    ReportRatio("colour_range", "selection / libvips range and flood", ours / (vips.testMs + vips.floodMs), 1);
    status |= vips.area == area ? 0 : 1;
#else
    std::printf("libvips: skipped, its development files (libvips-dev) are not installed\n");
    ReportNotMeasured("colour_range", "selection / libvips range and flood", "1x");
#endif
    // ImageMagick's fuzz is a distance in colour space, in percent of the
    // full range: the per-channel tolerance as a share of 255.
    char fuzz[32], seedColour[32], offset[32];
    std::snprintf(offset, sizeof offset, "+%d+%d", kSeed.x, kSeed.y);
    std::snprintf(fuzz, sizeof fuzz, "%.1f%%", 100.0 * kTolerance / 255);
    std::snprintf(seedColour, sizeof seedColour, "rgb(%u,%u,%u)", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    const std::string out = folder + "/out.ppm";
    const Measure magick = RunProcess({"convert", photo, "-fuzz", fuzz, "-fill", "red", "-floodfill", offset,
                                       seedColour, out},
                                      3);
    const Measure magickPlain = RunProcess({"convert", photo, out}, 3);
    std::printf("%-44s %10.1f ms\n", "ImageMagick -fuzz -floodfill", magick.ms);
    std::printf("%-44s %10.1f ms\n", "ImageMagick read and write alone", magickPlain.ms);
    std::printf("against ImageMagick: %.2fx its process, %.2fx its flood alone\n", ours / magick.ms,
                ours / std::max(magick.ms - magickPlain.ms, 0.1));
    if (magick.ok)
        ReportRatioOnly("colour_range", "selection / ImageMagick -floodfill process", ours / magick.ms);
    status |= magick.ok && magickPlain.ok ? 0 : 1;
    std::system(("rm -rf '" + folder + "'").c_str());
    return status;
}
