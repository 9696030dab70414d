// JPEG through libjpeg-turbo: grey and black-and-white pictures as grey,
// colour and paletted pictures as colour, at the quality asked for, with
// the resolution in the JFIF header.
#include "imexp/Writers.h"

#include "imexp/Fail.h"
#include "imexp/ImExp.h"
#include "imexp/JpegError.h"
#include "imexp/OutputFile.h"
#include "imexp/WriteSource.h"

#include <algorithm>
#include <vector>

namespace imexp {

namespace {

constexpr size_t kChunk = 64 * 1024;

struct Destination {
    jpeg_destination_mgr mgr{};
    OutputFile* out = nullptr;
    std::vector<JOCTET> buffer = std::vector<JOCTET>(kChunk);
};

Destination& DestOf(j_compress_ptr cinfo) { return *reinterpret_cast<Destination*>(cinfo->dest); }

void InitDestination(j_compress_ptr cinfo)
{
    Destination& d = DestOf(cinfo);
    d.mgr.next_output_byte = d.buffer.data();
    d.mgr.free_in_buffer = d.buffer.size();
}

boolean EmptyBuffer(j_compress_ptr cinfo)
{
    Destination& d = DestOf(cinfo);
    d.out->WriteOrFail(d.buffer.data(), d.buffer.size());
    InitDestination(cinfo);
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo)
{
    Destination& d = DestOf(cinfo);
    d.out->WriteOrFail(d.buffer.data(), d.buffer.size() - d.mgr.free_in_buffer);
}

struct Compressor {
    jpeg_compress_struct cinfo{};
    JpegErrorManager errors;
    Destination dest;
    Compressor()
    {
        cinfo.err = errors.Install();
        jpeg_create_compress(&cinfo);
    }
    ~Compressor() { jpeg_destroy_compress(&cinfo); }
};

} // namespace

void WriteJpeg(OutputFile& out, WriteSource& source, const WriteOptions& options)
{
    if (source.Width() > JPEG_MAX_DIMENSION || source.Height() > JPEG_MAX_DIMENSION)
        Fail("the picture is too large for a JPEG file");
    Compressor c;
    jpeg_compress_struct& cinfo = c.cinfo;
    c.dest.out = &out;
    c.dest.mgr.init_destination = InitDestination;
    c.dest.mgr.empty_output_buffer = EmptyBuffer;
    c.dest.mgr.term_destination = TermDestination;
    cinfo.dest = &c.dest.mgr;

    const int type = source.Type();
    const bool grey = type == WA_GRAY || type == WA_1BIT;
    cinfo.image_width = JDIMENSION(source.Width());
    cinfo.image_height = JDIMENSION(source.Height());
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(options.jpegQuality, 1, 100), TRUE);
    cinfo.density_unit = 1;
    cinfo.X_density = UINT16(std::min(source.HDpi(), 65535));
    cinfo.Y_density = UINT16(std::min(source.VDpi(), 65535));
    jpeg_start_compress(&cinfo, TRUE);

    std::vector<uint8_t> line(size_t(source.Width()) * 3);
    for (int32_t y = 0; y < source.Height(); ++y) {
        const uint8_t* row = source.Line(y);
        if (type == WA_1BIT) {
            for (int32_t x = 0; x < source.Width(); ++x)
                line[size_t(x)] = (row[x >> 3] >> (7 - (x & 7))) & 1 ? 255 : 0;
            row = line.data();
        } else if (type == WA_4BIT || type == WA_8BIT) {
            PalettedToBgr(row, type, source.Palette(), source.Width(), line.data());
            row = line.data();
        }
        JSAMPROW rows[1] = {const_cast<JSAMPROW>(row)};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
}

} // namespace imexp
