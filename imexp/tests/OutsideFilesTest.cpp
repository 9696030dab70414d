// Files made by other programs (netpbm and ImageMagick), in every variant
// the readers take, decoded by us and by ImageMagick and compared pixel by
// pixel. The files are made at test time from one picture of our own.
#include <gtest/gtest.h>

#include "MemoryPicture.h"
#include "imexp/ImExp.h"
#include "platform/tests/TestFolder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

struct Variant {
    const char* name;
    const char* make;   // shell command: {rgb}, {grey} and {rgbmask} are the sources, {out} the file to make
    int type;           // type we read it as
    int tolerance;      // largest difference of a colour channel from ImageMagick's decoding
};

// clang-format off
const Variant kVariants[] = {
    {"bmp24Netpbm",     "ppmtobmp {rgb} > {out}", WA_RGB24, 0},
    {"bmp24Os2",        "ppmtobmp -os2 {rgb} > {out}", WA_RGB24, 0},
    {"bmp8",            "convert {rgb} -colors 200 BMP3:{out}", WA_8BIT, 0},
    {"bmp8Grey",        "convert {grey} -type Palette BMP3:{out}", WA_8BIT, 0},
    {"bmp4",            "pnmquant 16 {rgb} 2>/dev/null | ppmtobmp -bpp=4 > {out}", WA_4BIT, 0},
    {"bmp1",            "convert {rgb} -monochrome BMP3:{out}", WA_1BIT, 0},
    {"bmpRle8",         "convert {rgb} -colors 200 -compress RLE BMP3:{out}", WA_8BIT, 0},
    {"bmp16Rgb565",     "convert {rgb} -define bmp:subtype=RGB565 BMP:{out}", WA_RGB24, 4},
    {"bmp32Fields",     "convert {rgb} -alpha on BMP:{out}", WA_RGB24, 0},
    {"bmp32Alpha",      "pnmtopng -alpha={grey} {rgb} > {out}.png && convert {out}.png BMP:{out}", WA_RGB24, 1},
    {"jpgColour",       "pnmtojpeg {rgb} > {out}", WA_RGB24, 1},
    {"jpgGrey",         "convert {grey} -quality 90 JPEG:{out}", WA_GRAY, 1},
    {"jpgProgressive",  "convert {rgb} -interlace Plane -quality 80 JPEG:{out}", WA_RGB24, 1},
    {"jpgCmyk",         "convert {rgb} -colorspace CMYK JPEG:{out}", WA_RGB24, 3},
    {"pngRgb8",         "pnmtopng {rgb} > {out}", WA_RGB24, 0},
    {"pngRgb16",        "convert {rgb} -depth 16 -define png:color-type=2 PNG48:{out}", WA_RGB24, 1},
    {"pngGrey1",        "convert {grey} -threshold 50% -define png:bit-depth=1 -define png:color-type=0 PNG:{out}", WA_1BIT, 0},
    {"pngGrey2",        "convert {grey} -depth 2 -define png:bit-depth=2 -define png:color-type=0 PNG:{out}", WA_GRAY, 0},
    {"pngGrey4",        "convert {grey} -depth 4 -define png:bit-depth=4 -define png:color-type=0 PNG:{out}", WA_GRAY, 0},
    {"pngGrey8",        "pnmtopng {grey} > {out}", WA_GRAY, 0},
    {"pngGrey16",       "convert {grey} -depth 16 -define png:bit-depth=16 -define png:color-type=0 PNG:{out}", WA_GRAY, 1},
    {"pngPalette1",     "convert {rgb} -colors 2 -define png:bit-depth=1 -define png:color-type=3 PNG8:{out}", WA_4BIT, 0},
    {"pngPalette2",     "convert {rgb} -colors 4 -define png:bit-depth=2 -define png:color-type=3 PNG8:{out}", WA_4BIT, 0},
    {"pngPalette4",     "convert {rgb} -colors 16 -define png:bit-depth=4 -define png:color-type=3 PNG8:{out}", WA_4BIT, 0},
    {"pngPalette8",     "convert {rgb} -colors 200 PNG8:{out}", WA_8BIT, 0},
    {"pngPaletteTrns",  "pnmquant 32 {rgb} 2>/dev/null | pnmtopng -transparent==rgb:f0/10/10 > {out}", WA_8BIT, 1},
    {"pngRgbTrns",      "pnmtopng -transparent==rgb:f0/10/10 {rgb} > {out}", WA_RGB24, 1},
    {"pngRgba",         "pnmtopng -alpha={grey} {rgb} > {out}", WA_RGB24, 1},
    {"pngGreyAlpha",    "pnmtopng -alpha={rgbmask} {grey} > {out}", WA_GRAY, 1},
    {"pngInterlaced",   "pnmtopng -interlace {rgb} > {out}", WA_RGB24, 0},
    {"tifNetpbm",       "pnmtotiff {rgb} > {out}", WA_RGB24, 0},
    {"tifRgbNone",      "convert {rgb} -compress None TIFF:{out}", WA_RGB24, 0},
    {"tifRgbLzw",       "convert {rgb} -compress LZW TIFF:{out}", WA_RGB24, 0},
    {"tifRgbPackBits",  "convert {rgb} -compress RLE TIFF:{out}", WA_RGB24, 0},
    {"tifRgbDeflate",   "convert {rgb} -compress Zip TIFF:{out}", WA_RGB24, 0},
    {"tifRgbJpeg",      "convert {rgb} -compress JPEG TIFF:{out}", WA_RGB24, 1},
    {"tifGreyNone",     "convert {grey} -compress None TIFF:{out}", WA_GRAY, 0},
    {"tifGreyLzw",      "convert {grey} -compress LZW TIFF:{out}", WA_GRAY, 0},
    {"tifGreyPackBits", "convert {grey} -compress RLE TIFF:{out}", WA_GRAY, 0},
    {"tifGreyDeflate",  "convert {grey} -compress Zip TIFF:{out}", WA_GRAY, 0},
    {"tifGreyJpeg",     "convert {grey} -compress JPEG TIFF:{out}", WA_GRAY, 1},
    {"tifPaletteNone",  "convert {rgb} -colors 16 -type Palette -compress None TIFF:{out}", WA_4BIT, 1},
    {"tifPaletteLzw",   "convert {rgb} -colors 100 -type Palette -compress LZW TIFF:{out}", WA_8BIT, 1},
    {"tifPalettePackBits", "convert {rgb} -colors 100 -type Palette -compress RLE TIFF:{out}", WA_8BIT, 1},
    {"tifPaletteDeflate", "convert {rgb} -colors 100 -type Palette -compress Zip TIFF:{out}", WA_8BIT, 1},
    {"tifMinIsWhite",   "convert {rgb} -monochrome -depth 1 -define quantum:polarity=min-is-white -compress None TIFF:{out}", WA_1BIT, 0},
    {"tifMinIsBlack",   "convert {rgb} -monochrome -depth 1 -define quantum:polarity=min-is-black -compress LZW TIFF:{out}", WA_1BIT, 0},
    {"tifBwPackBits",   "convert {rgb} -monochrome -depth 1 -compress RLE TIFF:{out}", WA_1BIT, 0},
    {"tifBwDeflate",    "convert {rgb} -monochrome -depth 1 -compress Zip TIFF:{out}", WA_1BIT, 0},
    {"tifRgbTiled",     "convert {rgb} -define tiff:tile-geometry=16x16 -compress LZW TIFF:{out}", WA_RGB24, 0},
    {"tifTiles16None",  "convert {rgb} -define tiff:tile-geometry=16x16 -compress None TIFF:{out}", WA_RGB24, 0},
    {"tifTiles48x32None", "convert {rgb} -define tiff:tile-geometry=48x32 -compress None TIFF:{out}", WA_RGB24, 0},
    {"tifCmyk8",        "convert {rgb} -colorspace CMYK -compress LZW TIFF:{out}", WA_RGB24, 1},
    {"tifCmyk16",       "convert {rgb} -colorspace CMYK -depth 16 -compress None TIFF:{out}", WA_RGB24, 1},
    {"tifBottomLeftStrips", "convert {rgb} -orient bottom-left -compress None TIFF:{out}", WA_RGB24, 0},
    {"tifBottomLeftTiled",  "convert {rgb} -orient bottom-left -define tiff:tile-geometry=16x16 TIFF:{out}", WA_RGB24, 0},
    {"tifBottomLeftPlanar", "convert {rgb} -orient bottom-left -interlace Plane TIFF:{out}", WA_RGB24, 0},
    {"tifBottomLeftGrey",   "convert {grey} -orient bottom-left -compress LZW TIFF:{out}", WA_GRAY, 0},
    {"tifManyStrips",   "convert {rgb} -define tiff:rows-per-strip=5 -compress None TIFF:{out}", WA_RGB24, 0},
    {"tifBottomLeftManyStrips", "convert {rgb} -orient bottom-left -define tiff:rows-per-strip=4 -compress LZW TIFF:{out}", WA_RGB24, 0},
    // One strip of more than 4 MiB, read line by line.
    {"tifOneLargeStrip", "convert {rgb} -scale 1400x1100! -define tiff:rows-per-strip=1100 -compress LZW TIFF:{out}", WA_RGB24, 0},
    {"tifTopRightStrips",   "convert {rgb} -orient top-right -compress None TIFF:{out}", WA_RGB24, 0},
    {"gif",             "convert {rgb} -colors 64 GIF:{out}", WA_8BIT, 0},
    {"gifNetpbm",       "pnmquant 16 {rgb} 2>/dev/null | pamtogif > {out} 2>/dev/null", WA_4BIT, 0},
    {"gifInterlaced",   "convert {rgb} -colors 200 -interlace GIF GIF:{out}", WA_8BIT, 0},
    {"gifTransparent",  "convert {rgb} -colors 64 -transparent-color white -fuzz 20% -transparent '#f01010' GIF:{out}", WA_8BIT, 0},
    {"gifAnimated",     "convert {rgb} -colors 64 \\( {rgb} -flip -colors 64 \\) -loop 0 GIF:{out}", WA_8BIT, 0},
};
// clang-format on

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The pixels of a binary PPM. (ImageMagick truncates 16-bit TIFF colour
// maps to 8 bits where we round, hence the tolerance of 1 there.)
std::vector<Rgb> ReadPpm(const std::string& path, int& width, int& height)
{
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxval = 0;
    in >> magic >> width >> height >> maxval;
    in.get();
    std::vector<Rgb> pixels(size_t(width) * size_t(height));
    in.read(reinterpret_cast<char*>(pixels.data()), std::streamsize(pixels.size() * 3));
    if (magic != "P6" || maxval != 255 || !in)
        pixels.clear();
    return pixels;
}

void WriteSources(const TestFolder& folder)
{
    // A 45 x 33 picture: smooth ramps, a hard diagonal and a few pure
    // colours, so that quantising, thresholding and JPEG all have work.
    const int w = 45, h = 33;
    std::ostringstream rgb, grey, mask;
    rgb << "P6\n" << w << " " << h << "\n255\n";
    grey << "P5\n" << w << " " << h << "\n255\n";
    mask << "P6\n" << w << " " << h << "\n255\n";
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool edge = x > y;
            const unsigned char r = edge ? 240 : uint8_t(x * 5), g = edge ? 16 : uint8_t(y * 7),
                                b = uint8_t((x + y) * 3);
            rgb << r << g << b;
            grey << uint8_t(x * 5 + y);
            mask << uint8_t(y * 7) << uint8_t(y * 7) << uint8_t(y * 7);
        }
    }
    TestFolder::Write(folder / "rgb.ppm", rgb.str());
    TestFolder::Write(folder / "grey.pgm", grey.str());
    TestFolder::Write(folder / "rgbmask.ppm", mask.str());
    std::system(("ppmtopgm " + folder / "rgbmask.ppm" + " > " + folder / "rgbmask.pgm").c_str());
}

class OutsideFile : public testing::TestWithParam<Variant> {};

TEST_P(OutsideFile, DecodesAsImageMagickDoes)
{
    const Variant& v = GetParam();
    TestFolder folder;
    WriteSources(folder);
    // Named without the format's extension: the content alone must tell.
    const std::string file = folder / "picture.data";
    std::string make = Replace(v.make, "{rgb}", folder / "rgb.ppm");
    make = Replace(make, "{grey}", folder / "grey.pgm");
    make = Replace(make, "{rgbmask}", folder / "rgbmask.pgm");
    make = Replace(make, "{out}", file);
    ASSERT_EQ(std::system(make.c_str()), 0) << make;

    const std::string reference = folder / "reference.ppm";
    const std::string decode = "convert '" + file + "[0]' -auto-orient -background white -alpha remove -alpha off -depth 8 " +
                               "-strip PPM:" + reference;
    ASSERT_EQ(std::system(decode.c_str()), 0) << decode;
    int width = 0, height = 0;
    const std::vector<Rgb> expected = ReadPpm(reference, width, height);
    ASSERT_FALSE(expected.empty());

    MemoryPicture picture;
    const imexp::Status status = imexp::ReadPicture(file, picture);
    ASSERT_TRUE(status) << status.error;
    EXPECT_EQ(picture.type, v.type);
    ASSERT_EQ(picture.width, width);
    ASSERT_EQ(picture.height, height);
    const std::vector<Rgb> got = picture.Colours();
    int worst = 0;
    size_t worstAt = 0;
    for (size_t i = 0; i < got.size(); ++i) {
        const int d = std::max({std::abs(got[i].r - expected[i].r), std::abs(got[i].g - expected[i].g),
                                std::abs(got[i].b - expected[i].b)});
        if (d > worst)
            worst = d, worstAt = i;
    }
    EXPECT_LE(worst, v.tolerance) << "at pixel " << worstAt % size_t(width) << ", " << worstAt / size_t(width);
}

INSTANTIATE_TEST_SUITE_P(Variants, OutsideFile, testing::ValuesIn(kVariants),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
