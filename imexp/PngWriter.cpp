// PNG through libpng: black and white as 1-bit grey, 4 and 8-bit paletted
// with their palettes, grey as 8-bit grey, colour as 8-bit RGB; the
// resolution goes into pHYs.
#include "imexp/Writers.h"

#include "imexp/Fail.h"
#include "imexp/OutputFile.h"
#include "imexp/WriteSource.h"

#include "platform/Dib.h"

#include <png.h>
#include <string>
#include <vector>

namespace imexp {

namespace {

[[noreturn]] void OnError(png_structp, png_const_charp text) { Fail(std::string("PNG: ") + text); }
void OnWarning(png_structp, png_const_charp) {}

void WriteBytes(png_structp png, png_bytep data, size_t size)
{
    static_cast<OutputFile*>(png_get_io_ptr(png))->WriteOrFail(data, size);
}

void FlushBytes(png_structp) {}

struct Encoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    Encoder()
    {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
        if (!png)
            Fail("not enough memory");
        info = png_create_info_struct(png);
        if (!info) {
            png_destroy_write_struct(&png, nullptr);
            Fail("not enough memory");
        }
    }
    ~Encoder() { png_destroy_write_struct(&png, &info); }
};

} // namespace

void WritePng(OutputFile& out, WriteSource& source)
{
    Encoder e;
    png_set_write_fn(e.png, &out, WriteBytes, FlushBytes);
    // Fast filtering and zlib's default effort: most of the gain of the
    // adaptive filters at a fraction of their time.
    png_set_filter(e.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_level(e.png, 6);

    const int type = source.Type();
    int colour = PNG_COLOR_TYPE_RGB, depth = 8;
    switch (type) {
    case WA_1BIT: colour = PNG_COLOR_TYPE_GRAY; depth = 1; break;
    case WA_4BIT: colour = PNG_COLOR_TYPE_PALETTE; depth = 4; break;
    case WA_8BIT: colour = PNG_COLOR_TYPE_PALETTE; depth = 8; break;
    case WA_GRAY: colour = PNG_COLOR_TYPE_GRAY; depth = 8; break;
    default: break;
    }
    png_set_IHDR(e.png, e.info, png_uint_32(source.Width()), png_uint_32(source.Height()), depth, colour,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    if (colour == PNG_COLOR_TYPE_PALETTE) {
        for (const PALETTEENTRY& p : source.Palette())
            palette.push_back(png_color{p.peRed, p.peGreen, p.peBlue});
        png_set_PLTE(e.png, e.info, palette.data(), int(palette.size()));
    }
    png_set_pHYs(e.png, e.info, png_uint_32(platform::PelsPerMeterFromDpi(source.HDpi())),
                 png_uint_32(platform::PelsPerMeterFromDpi(source.VDpi())), PNG_RESOLUTION_METER);
    png_write_info(e.png, e.info);
    if (type == WA_RGB24)
        png_set_bgr(e.png);
    for (int32_t y = 0; y < source.Height(); ++y)
        png_write_row(e.png, source.Line(y));
    png_write_end(e.png, e.info);
}

} // namespace imexp
