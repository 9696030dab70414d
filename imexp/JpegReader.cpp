// JPEG through libjpeg-turbo: grey stays grey, colour comes out as blue,
// green, red rows, CMYK and YCCK are turned into colour. A file that ends
// early or whose data is corrupt is refused rather than shown half grey.
#include "imexp/Readers.h"

#include "imexp/Fail.h"
#include "imexp/JpegError.h"
#include "imexp/ReadTarget.h"

#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace imexp {

namespace {

// Progressive files may hold any number of scans; thousands of tiny ones
// would keep the decoder busy for minutes on a small file.
constexpr int kMaxScans = 1000;

void LimitScans(j_common_ptr common)
{
    auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
    if (cinfo->input_scan_number > kMaxScans)
        Fail("the JPEG data has too many scans");
}

struct Decompressor {
    jpeg_decompress_struct cinfo{};
    JpegErrorManager errors;
    jpeg_progress_mgr progress{};
    Decompressor()
    {
        cinfo.err = errors.Install();
        jpeg_create_decompress(&cinfo);
        progress.progress_monitor = LimitScans;
        cinfo.progress = &progress;
    }
    ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
};

int32_t Dpi(const jpeg_decompress_struct& cinfo, UINT16 density)
{
    if (cinfo.density_unit == 1)
        return density;
    if (cinfo.density_unit == 2)
        return int32_t(density * 2.54 + 0.5);
    return 0;
}

// Reads the header and chooses the output colours: grey stays grey, CMYK
// and YCCK come out as inks to be turned into colour, the rest as blue,
// green, red. Answers whether the output is inks.
bool ReadHeader(std::span<const uint8_t> file, jpeg_decompress_struct& cinfo)
{
    jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&cinfo, TRUE);
    ReadTarget::CheckSize(cinfo.image_width, cinfo.image_height);
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        cinfo.out_color_space = JCS_GRAYSCALE;
        return false;
    case JCS_CMYK:
    case JCS_YCCK:
        cinfo.out_color_space = JCS_CMYK;
        return true;
    default:
        cinfo.out_color_space = JCS_EXT_BGR;
        return false;
    }
}

// Announces the picture of the output size to target.
void Begin(const jpeg_decompress_struct& cinfo, ReadTarget& target)
{
    const int type = cinfo.out_color_space == JCS_GRAYSCALE ? WA_GRAY : WA_RGB24;
    target.Begin(int32_t(cinfo.output_width), int32_t(cinfo.output_height), type, nullptr, 0,
                 Dpi(cinfo, cinfo.X_density), Dpi(cinfo, cinfo.Y_density));
}

} // namespace

void ReadJpegHeader(std::span<const uint8_t> file, ReadTarget& target)
{
    Decompressor d;
    ReadHeader(file, d.cinfo);
    jpeg_calc_output_dimensions(&d.cinfo);
    Begin(d.cinfo, target);
}

void ReadJpeg(std::span<const uint8_t> file, ReadTarget& target)
{
    Decompressor d;
    jpeg_decompress_struct& cinfo = d.cinfo;
    const bool cmyk = ReadHeader(file, cinfo);
    // DCT scaling: a picture wanted small is decoded small, at a fraction
    // of the work.
    cinfo.scale_num = 1;
    cinfo.scale_denom = unsigned(target.ReductionFor(cinfo.image_width, cinfo.image_height));
    jpeg_start_decompress(&cinfo);
    const int32_t width = int32_t(cinfo.output_width);
    const int32_t height = int32_t(cinfo.output_height);
    Begin(cinfo, target);

    std::vector<uint8_t> inks(cmyk ? size_t(width) * 4 : 0);
    // Adobe's programs store CMYK inverted (0 = full ink) and mark it so.
    const bool inverted = cinfo.saw_Adobe_marker;
    for (int32_t y = 0; y < height; ++y) {
        JSAMPROW line = cmyk ? inks.data() : target.RowBuffer();
        if (jpeg_read_scanlines(&cinfo, &line, 1) != 1)
            Fail("the JPEG data is cut short");
        if (cmyk) {
            uint8_t* out = target.RowBuffer();
            for (int32_t x = 0; x < width; ++x) {
                unsigned ink[4];
                for (int i = 0; i < 4; ++i)
                    ink[i] = inverted ? inks[4 * x + i] : 255u - inks[4 * x + i];
                // ink[] now holds 255 - coverage: the light each ink lets through.
                out[3 * x] = uint8_t((ink[2] * ink[3] + 127) / 255);
                out[3 * x + 1] = uint8_t((ink[1] * ink[3] + 127) / 255);
                out[3 * x + 2] = uint8_t((ink[0] * ink[3] + 127) / 255);
            }
        }
        target.PutLine(y, target.RowBuffer());
    }
    jpeg_finish_decompress(&cinfo);
}

} // namespace imexp
