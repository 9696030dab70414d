// TIFF through libtiff, in strips: black and white as 1-bit min-is-black,
// 4 and 8-bit paletted with colour maps, grey, and RGB; compressed as the
// options ask (JPEG only for grey and colour pictures).
#include "imexp/Writers.h"

#include "imexp/Fail.h"
#include "imexp/ImExp.h"
#include "imexp/OutputFile.h"
#include "imexp/SwapRedBlue.h"
#include "imexp/TiffHandle.h"
#include "imexp/WriteSource.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace imexp {

namespace {

uint16_t CompressionOf(const std::string& name, bool continuousTone)
{
    if (name == "none")
        return COMPRESSION_NONE;
    if (name == "packbits")
        return COMPRESSION_PACKBITS;
    if (name == "deflate" || name == "zip")
        return COMPRESSION_ADOBE_DEFLATE;
    if (name == "jpeg" && continuousTone)
        return COMPRESSION_JPEG;
    return COMPRESSION_LZW;
}

} // namespace

void WriteTiff(OutputFile& out, WriteSource& source, const WriteOptions& options)
{
    TiffHandle tiff(out);
    TIFF* tif = tiff.get();
    const int type = source.Type();
    const int32_t width = source.Width();
    const uint16_t compression = CompressionOf(options.tiffCompression, type == WA_GRAY || type == WA_RGB24);

    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, uint32_t(width));
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, uint32_t(source.Height()));
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, uint16_t(type == WA_1BIT ? 1 : type == WA_4BIT ? 4 : 8));
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, uint16_t(type == WA_RGB24 ? 3 : 1));
    TIFFSetField(tif, TIFFTAG_COMPRESSION, compression);
    TIFFSetField(tif, TIFFTAG_XRESOLUTION, float(source.HDpi()));
    TIFFSetField(tif, TIFFTAG_YRESOLUTION, float(source.VDpi()));
    TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    std::vector<uint16_t> map;
    if (type == WA_4BIT || type == WA_8BIT) {
        const size_t n = source.Palette().size();
        map.resize(3 * n);
        for (size_t i = 0; i < n; ++i) {
            map[i] = uint16_t(source.Palette()[i].peRed * 257);
            map[n + i] = uint16_t(source.Palette()[i].peGreen * 257);
            map[2 * n + i] = uint16_t(source.Palette()[i].peBlue * 257);
        }
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE);
        TIFFSetField(tif, TIFFTAG_COLORMAP, map.data(), map.data() + n, map.data() + 2 * n);
    } else if (type == WA_RGB24) {
        if (compression == COMPRESSION_JPEG) {
            TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_YCBCR);
            TIFFSetField(tif, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
        } else {
            TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        }
    } else {
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
    }
    // libtiff deflates a whole strip given at once through libdeflate where
    // it has it, whose bytes differ from zlib's: files stay as they were.
    if (compression == COMPRESSION_ADOBE_DEFLATE)
        TIFFSetField(tif, TIFFTAG_DEFLATE_SUBCODEC, DEFLATE_SUBCODEC_ZLIB);
    if (compression == COMPRESSION_JPEG)
        TIFFSetField(tif, TIFFTAG_JPEGQUALITY, std::clamp(options.jpegQuality, 1, 100));
    // Strips of about 256 KiB: libtiff's default of 8 KiB makes a strip,
    // an offset and a write call of every row of a wide picture.
    const uint64_t rowBytes = uint64_t(width) * uint64_t(std::max(1, WaBitsPerPixel(type))) / 8 + 1;
    uint32_t rowsPerStrip = uint32_t(std::clamp<uint64_t>((256u << 10) / rowBytes, 1, uint64_t(source.Height())));
    if (compression == COMPRESSION_JPEG)
        rowsPerStrip = std::max<uint32_t>(16, rowsPerStrip / 16 * 16);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, rowsPerStrip);

    // Whole strips go to libtiff, which writes an uncompressed one straight
    // to the file.
    const tmsize_t scanline = TIFFScanlineSize(tif);
    if (scanline <= 0)
        tiff.Fail("the TIFF file cannot be written");
    std::vector<uint8_t> strip(size_t(scanline) * rowsPerStrip);
    const uint32_t height = uint32_t(source.Height());
    for (uint32_t y = 0; y < height; y += rowsPerStrip) {
        const uint32_t rows = std::min(rowsPerStrip, height - y);
        for (uint32_t i = 0; i < rows; ++i) {
            const uint8_t* row = source.Line(int32_t(y + i));
            uint8_t* line = strip.data() + size_t(i) * size_t(scanline);
            if (type == WA_RGB24)
                SwapRedBlue(row, line, size_t(width));
            else
                std::memcpy(line, row, size_t(scanline));
        }
        // A failed write of the file itself (a full disk) is the cause, not
        // what libtiff makes of it afterwards.
        const tmsize_t bytes = tmsize_t(rows) * scanline;
        if (TIFFWriteEncodedStrip(tif, TIFFComputeStrip(tif, y, 0), strip.data(), bytes) != bytes) {
            if (out.Failed())
                Fail(out.Error());
            tiff.Fail("the TIFF file cannot be written");
        }
    }
    if (!tiff.Close())
        Fail(out.Failed() ? out.Error() : "the TIFF file cannot be finished");
}

} // namespace imexp
