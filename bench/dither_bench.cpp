// 24-bit to 8-bit paletted with an optimised palette and error diffusion on
// a 24-megapixel photograph (the editor's Convert to 8-bit with "Optimized"
// and "Error diffusion"): the palette built from the picture, then the
// conversion. Against ImageMagick's `-colors 256 -dither FloydSteinberg`
// as a process, with its plain read and write of the same file beside it.
#include "BenchResult.h"
#include "PhotoSample.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/operations/DitherConvert.h"
#include "lang/MachineContext.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

constexpr int kWidth = 6000, kHeight = 4000;
constexpr int32_t kErrorDiffusion = 8;
constexpr int kRuns = 3;

double Ms(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main()
{
    if (!HaveTool("convert")) {
        std::printf("skipped: ImageMagick's convert is not installed (it makes the photograph)\n");
        return 0;
    }
    char pattern[] = "/tmp/dither-bench-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    const std::string photo = folder + "/photo.ppm";
    if (!MakePhoto(photo, kWidth, kHeight))
        return 1;
    const PpQnPicture picture = ReadPpm(photo);
    if (!picture)
        return 1;

    double paletteMs = 1e30, allMs = 1e30;
    int type = 0;
    for (int run = 0; run < kRuns; ++run) {
        const PpQnExpr source{PpQnFlVal(picture)};
        {
            QnMachineContext machine;
            const auto t = std::chrono::steady_clock::now();
            machine.eval(MakeBuildPaletteExpr(source, 256), nullptr);
            paletteMs = std::min(paletteMs, Ms(t));
        }
        QnMachineContext machine;
        const auto t = std::chrono::steady_clock::now();
        const PpQnExpr convert = MakeConvertTo8BitPaletteExpr(MakeBuildPaletteExpr(source, 256), kErrorDiffusion);
        const PpQnExpr result = machine.eval(PpQnExpr(convert, source), nullptr);
        allMs = std::min(allMs, Ms(t));
        type = QnCheckedCast<QnPicture>(QnValueOf(result), "bench", __LINE__)->Type();
    }
    std::printf("24-bit to 8-bit, optimised palette of 256 colours and error diffusion, on a %d x %d photograph; "
                "best of %d runs\n",
                kWidth, kHeight, kRuns);
    std::printf("%-40s %10.0f ms\n", "Telvy12 palette alone", paletteMs);
    std::printf("%-40s %10.0f ms (picture type %d)\n", "Telvy12 palette and conversion", allMs, type);

    const std::string out = folder + "/out.bmp";
    const Measure magick =
        RunProcess({"convert", photo, "-dither", "FloydSteinberg", "-colors", "256", "-type", "Palette", out}, kRuns);
    const Measure plain = RunProcess({"convert", photo, out}, kRuns);
    std::printf("%-40s %10.0f ms\n", "ImageMagick -colors 256 FloydSteinberg", magick.ms);
    std::printf("%-40s %10.0f ms\n", "ImageMagick read and write alone", plain.ms);
    std::printf("against ImageMagick: %.2fx its process, %.2fx its reduction alone\n", allMs / magick.ms,
                allMs / std::max(magick.ms - plain.ms, 0.1));
    if (magick.ok)
        ReportRatioOnly("dither", "palette and conversion / ImageMagick process", allMs / magick.ms);
    std::system(("rm -rf '" + folder + "'").c_str());
    return magick.ok && plain.ok && type == 4 ? 0 : 1;
}
