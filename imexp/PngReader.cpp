// PNG through libpng: every colour type and bit depth. Sixteen-bit samples
// are scaled to eight, and transparency is put over white since pictures
// have no alpha: a paletted file keeps its palette with the transparent
// entries blended, grey stays grey, colour becomes 24-bit colour.
#include "imexp/Readers.h"

#include "imexp/Fail.h"
#include "imexp/PaletteMapper.h"
#include "imexp/ReadTarget.h"

#include <png.h>
#include <cstring>
#include <string>
#include <vector>

namespace imexp {

namespace {

// Ancillary chunks (text, profiles) larger than this are dropped: a small
// file must not make the reader inflate gigabytes of comments.
constexpr png_alloc_size_t kMaxChunkBytes = 8u << 20;

struct Input {
    std::span<const uint8_t> bytes;
    size_t at = 0;
};

[[noreturn]] void OnError(png_structp, png_const_charp text)
{
    Fail(std::string("the PNG data is damaged (") + text + ")");
}

void OnWarning(png_structp, png_const_charp) {}

void ReadBytes(png_structp png, png_bytep out, size_t count)
{
    auto* in = static_cast<Input*>(png_get_io_ptr(png));
    if (in->bytes.size() - in->at < count)
        Fail("the PNG data is cut short");
    std::memcpy(out, in->bytes.data() + in->at, count);
    in->at += count;
}

struct Decoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    Decoder()
    {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
        if (!png)
            Fail("not enough memory");
        info = png_create_info_struct(png);
        if (!info) {
            png_destroy_read_struct(&png, nullptr, nullptr);
            Fail("not enough memory");
        }
    }
    ~Decoder() { png_destroy_read_struct(&png, &info, nullptr); }
};

} // namespace

void ReadPng(std::span<const uint8_t> file, ReadTarget& target)
{
    Decoder d;
    Input input{file};
    png_set_read_fn(d.png, &input, ReadBytes);
    png_set_user_limits(d.png, 0x7FFFFFFF, 0x7FFFFFFF);
    png_set_chunk_malloc_max(d.png, kMaxChunkBytes);
    // Ancillary chunks other than the resolution are skipped unread, so
    // that a chunk declaring gigabytes of text costs nothing; libpng would
    // allocate it before its own limit took effect.
    png_set_keep_unknown_chunks(d.png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    static const png_byte kKept[] = "pHYs";
    png_set_keep_unknown_chunks(d.png, PNG_HANDLE_CHUNK_AS_DEFAULT, kKept, 1);
    png_read_info(d.png, d.info);

    png_uint_32 width = 0, height = 0;
    int depth = 0, colour = 0, interlace = 0;
    png_get_IHDR(d.png, d.info, &width, &height, &depth, &colour, &interlace, nullptr, nullptr);
    ReadTarget::CheckSize(width, height);

    int32_t hdpi = 0, vdpi = 0;
    png_uint_32 xppm = 0, yppm = 0;
    int unit = 0;
    if (png_get_pHYs(d.png, d.info, &xppm, &yppm, &unit) && unit == PNG_RESOLUTION_METER && xppm < 0x7FFFFFFF &&
        yppm < 0x7FFFFFFF) {
        hdpi = platform::DpiFromPelsPerMeter(int32_t(xppm));
        vdpi = platform::DpiFromPelsPerMeter(int32_t(yppm));
    }

    const bool hasTrns = png_get_valid(d.png, d.info, PNG_INFO_tRNS);
    std::optional<PaletteMapper> mapper;
    int type = WA_RGB24;
    int channels = 3;  // samples a pixel in the rows libpng hands back
    if (colour == PNG_COLOR_TYPE_PALETTE) {
        png_colorp entries = nullptr;
        int count = 0;
        if (!png_get_PLTE(d.png, d.info, &entries, &count))
            Fail("the PNG palette is missing");
        png_bytep alpha = nullptr;
        int alphas = 0;
        if (hasTrns)
            png_get_tRNS(d.png, d.info, &alpha, &alphas, nullptr);
        std::vector<PALETTEENTRY> palette(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            const unsigned a = i < alphas ? alpha[i] : 255;
            palette[size_t(i)] = PALETTEENTRY{OverWhite(entries[i].red, a), OverWhite(entries[i].green, a),
                                              OverWhite(entries[i].blue, a), 0};
        }
        mapper.emplace(palette, depth);
        type = mapper->Type();
        channels = 1;
        png_set_packing(d.png);
    } else {
        png_set_scale_16(d.png);
        if (hasTrns)
            png_set_tRNS_to_alpha(d.png);
        const bool grey = !(colour & PNG_COLOR_MASK_COLOR);
        const bool alpha = (colour & PNG_COLOR_MASK_ALPHA) || hasTrns;
        if (grey && depth == 1 && !alpha) {
            // One-bit grey is black and white: expand to one byte a pixel
            // and pack it back as type 1.
            png_set_packing(d.png);
            mapper.emplace(std::vector<PALETTEENTRY>{{0, 0, 0, 0}, {255, 255, 255, 0}}, 1);
            type = WA_1BIT;
            channels = 1;
        } else if (grey) {
            png_set_expand_gray_1_2_4_to_8(d.png);
            type = WA_GRAY;
            channels = alpha ? 2 : 1;
        } else {
            png_set_bgr(d.png);
            channels = alpha ? 4 : 3;
        }
    }
    const int passes = png_set_interlace_handling(d.png);
    png_read_update_info(d.png, d.info);
    const size_t rowBytes = png_get_rowbytes(d.png, d.info);
    if (rowBytes < size_t(width) * size_t(channels))
        Fail("the PNG layout is not understood");

    target.Begin(int32_t(width), int32_t(height), type, mapper ? mapper->Palette() : nullptr,
                 mapper ? mapper->Count() : 0, hdpi, vdpi);

    // Interlaced files fill every line over seven passes, so they are read
    // whole; the others one line at a time.
    std::vector<uint8_t> image(passes > 1 ? rowBytes * height : rowBytes);
    const auto deliver = [&](int32_t y, const uint8_t* in) {
        uint8_t* out = target.RowBuffer();
        if (mapper) {
            mapper->MapRow(in, int32_t(width), out);
        } else if (channels == 2) {
            for (png_uint_32 x = 0; x < width; ++x)
                out[x] = OverWhite(in[2 * x], in[2 * x + 1]);
        } else if (channels == 4) {
            for (png_uint_32 x = 0; x < width; ++x)
                for (int c = 0; c < 3; ++c)
                    out[3 * x + c] = OverWhite(in[4 * x + c], in[4 * x + 3]);
        } else {
            std::memcpy(out, in, size_t(width) * size_t(channels));
        }
        target.PutLine(y, out);
    };
    if (passes > 1) {
        for (int pass = 0; pass < passes; ++pass) {
            for (png_uint_32 y = 0; y < height; ++y)
                png_read_row(d.png, image.data() + y * rowBytes, nullptr);
            target.Step(pass + 1, passes + 1);
        }
        for (png_uint_32 y = 0; y < height; ++y)
            deliver(int32_t(y), image.data() + y * rowBytes);
    } else {
        for (png_uint_32 y = 0; y < height; ++y) {
            png_read_row(d.png, image.data(), nullptr);
            deliver(int32_t(y), image.data());
        }
    }
    // A file cut after its pixels is still cut: its end must be there.
    png_read_end(d.png, nullptr);
}

} // namespace imexp
