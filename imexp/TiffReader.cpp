// TIFF through libtiff: black and white (either polarity), paletted, grey,
// RGB and CMYK strips in any of libtiff's compressions, strip by strip. Anything
// else libtiff can show (tiles, separate planes, CMYK, other colour spaces)
// goes through its RGBA reader as 24-bit colour.
#include "imexp/Readers.h"

#include "imexp/Fail.h"
#include "imexp/ImExp.h"
#include "imexp/PaletteMapper.h"
#include "imexp/ReadTarget.h"
#include "imexp/SwapRedBlue.h"
#include "imexp/TiffHandle.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace imexp {

namespace {

struct Layout {
    uint32_t width = 0, height = 0;
    uint16_t bits = 1, samples = 1, photometric = PHOTOMETRIC_MINISWHITE, planar = PLANARCONFIG_CONTIG;
    uint16_t compression = COMPRESSION_NONE, format = SAMPLEFORMAT_UINT;
    uint16_t extraCount = 0;
    uint16_t* extra = nullptr;
    uint16_t orientation = ORIENTATION_TOPLEFT, inkSet = INKSET_CMYK;
    int32_t hdpi = 0, vdpi = 0;
};

Layout LayoutOf(TIFF* tif)
{
    Layout l;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &l.width);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &l.height);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &l.bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &l.samples);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &l.planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &l.compression);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &l.format);
    TIFFGetFieldDefaulted(tif, TIFFTAG_EXTRASAMPLES, &l.extraCount, &l.extra);
    TIFFGetFieldDefaulted(tif, TIFFTAG_ORIENTATION, &l.orientation);
    TIFFGetFieldDefaulted(tif, TIFFTAG_INKSET, &l.inkSet);
    if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &l.photometric))
        l.photometric = l.samples >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
    float x = 0, y = 0;
    uint16_t unit = RESUNIT_INCH;
    TIFFGetFieldDefaulted(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
    if (TIFFGetField(tif, TIFFTAG_XRESOLUTION, &x) && TIFFGetField(tif, TIFFTAG_YRESOLUTION, &y) && x > 0 &&
        y > 0 && x < 1e6f && y < 1e6f && unit != RESUNIT_NONE) {
        const float scale = unit == RESUNIT_CENTIMETER ? 2.54f : 1.0f;
        l.hdpi = int32_t(x * scale + 0.5f);
        l.vdpi = int32_t(y * scale + 0.5f);
    }
    return l;
}

// Grey sample of bits (1 to 16) scaled to 8 bits.
uint8_t GreyOf(const uint8_t* line, uint32_t x, uint16_t bits, uint16_t step)
{
    if (bits == 8)
        return line[size_t(x) * step];
    if (bits == 16) {
        const uint16_t v = reinterpret_cast<const uint16_t*>(line)[size_t(x) * step];  // native order after libtiff
        return uint8_t((v * 255u + 32767u) / 65535u);
    }
    const uint64_t bit = uint64_t(x) * step * bits;
    const unsigned v = (line[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
    return uint8_t(v * 255u / ((1u << bits) - 1));
}

bool HasAlpha(const Layout& l, uint16_t colourSamples)
{
    return l.samples > colourSamples && l.extraCount > 0 &&
           (l.extra[0] == EXTRASAMPLE_ASSOCALPHA || l.extra[0] == EXTRASAMPLE_UNASSALPHA);
}

// A sample with alpha put over white; premultiplied samples only need the
// white that the alpha leaves room for.
uint8_t Flatten(const Layout& l, uint8_t v, unsigned alpha)
{
    if (l.extra[0] == EXTRASAMPLE_ASSOCALPHA)
        return uint8_t(std::min(255u, v + 255u - alpha));
    return OverWhite(v, alpha);
}

// Strips up to this size are read whole; larger ones (a compressed picture
// in one strip) line by line, so that no strip costs a second picture.
constexpr tmsize_t kMaxStripBytes = tmsize_t(4) << 20;

void PutLines(const Layout& l, ReadTarget& target, uint32_t first, uint32_t count, const uint8_t* lines,
              tmsize_t scanline, const std::function<void(const uint8_t*, uint8_t*)>& convert)
{
    for (uint32_t i = 0; i < count; ++i) {
        convert(lines + size_t(i) * size_t(scanline), target.RowBuffer());
        // Lines stored from the bottom go out where the picture shows them.
        const uint32_t y = first + i;
        const uint32_t shown = l.orientation == ORIENTATION_BOTLEFT ? l.height - 1 - y : y;
        target.PutLine(int32_t(shown), target.RowBuffer());
    }
}

// Hands every line through convert to the target: a strip at a time where
// strips are small (libtiff then reads an uncompressed strip straight into
// the buffer, with no copy and no call of its own for each line), else line
// by line.
void ReadLines(TiffHandle& tiff, const Layout& l, ReadTarget& target, tmsize_t scanline,
               const std::function<void(const uint8_t*, uint8_t*)>& convert)
{
    TIFF* tif = tiff.get();
    uint32_t rowsPerStrip = 0;
    TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
    rowsPerStrip = std::min(rowsPerStrip, l.height);
    const tmsize_t stripBytes = TIFFStripSize(tif);
    if (rowsPerStrip > 0 && stripBytes > 0 && stripBytes <= kMaxStripBytes &&
        stripBytes == tmsize_t(rowsPerStrip) * scanline) {
        std::vector<uint8_t> strip(static_cast<size_t>(stripBytes));
        for (uint32_t y = 0; y < l.height; y += rowsPerStrip) {
            const uint32_t rows = std::min(rowsPerStrip, l.height - y);
            const tmsize_t bytes = tmsize_t(rows) * scanline;
            const uint32_t at = TIFFComputeStrip(tif, y, 0);
            // libtiff reads an uncompressed strip of a file by the size of its
            // rows, also past a byte count that says the strip is shorter.
            if (l.compression == COMPRESSION_NONE && TIFFGetStrileByteCount(tif, at) < uint64_t(bytes))
                tiff.Fail("the TIFF data is damaged or cut short (a strip is shorter than its rows)");
            if (TIFFReadEncodedStrip(tif, at, strip.data(), bytes) != bytes)
                tiff.Fail("the TIFF data is damaged or cut short");
            PutLines(l, target, y, rows, strip.data(), scanline, convert);
        }
        return;
    }
    std::vector<uint8_t> line(static_cast<size_t>(scanline));
    for (uint32_t y = 0; y < l.height; ++y) {
        if (TIFFReadScanline(tif, line.data(), y, 0) < 0)
            tiff.Fail("the TIFF data is damaged or cut short");
        PutLines(l, target, y, 1, line.data(), scanline, convert);
    }
}

// Whatever the line-by-line paths do not take: libtiff's own RGBA reader.
void ReadThroughRgba(TiffHandle& tiff, const Layout& l, ReadTarget& target)
{
    char message[1024] = {};
    if (!TIFFRGBAImageOK(tiff.get(), message))
        Fail(std::string("this kind of TIFF is not supported (") + message + ")");
    std::vector<uint32_t> pixels(size_t(l.width) * l.height);
    if (!TIFFReadRGBAImageOriented(tiff.get(), l.width, l.height, pixels.data(), ORIENTATION_TOPLEFT, 0))
        tiff.Fail("the TIFF data is damaged or cut short");
    target.Begin(int32_t(l.width), int32_t(l.height), WA_RGB24, nullptr, 0, l.hdpi, l.vdpi);
    for (uint32_t y = 0; y < l.height; ++y) {
        uint8_t* out = target.RowBuffer();
        const uint32_t* in = pixels.data() + size_t(y) * l.width;
        for (uint32_t x = 0; x < l.width; ++x) {
            // libtiff hands back premultiplied colour, so white goes in
            // where the alpha leaves room.
            const uint32_t p = in[x];
            const unsigned room = 255 - TIFFGetA(p);
            out[3 * x] = uint8_t(std::min(255u, TIFFGetB(p) + room));
            out[3 * x + 1] = uint8_t(std::min(255u, TIFFGetG(p) + room));
            out[3 * x + 2] = uint8_t(std::min(255u, TIFFGetR(p) + room));
        }
        target.PutLine(int32_t(y), out);
    }
}

} // namespace

namespace {

int64_t MaxAlloc() { return int64_t(std::min<uint64_t>(PixelLimit() * 8, INT64_MAX / 2)); }

void ReadFrom(TiffHandle& tiff, ReadTarget& target)
{
    TIFF* tif = tiff.get();
    Layout l = LayoutOf(tif);
    ReadTarget::CheckSize(l.width, l.height);
    // A line of thousands of samples a pixel would cost gigabytes under the
    // pixel limit; no picture this reader shows has more than a few.
    if (l.samples > 16 || l.bits > 32)
        Fail("this kind of TIFF is not supported (" + std::to_string(l.samples) + " samples of " +
             std::to_string(l.bits) + " bits a pixel)");

    if (l.compression == COMPRESSION_JPEG && l.photometric == PHOTOMETRIC_YCBCR) {
        // libjpeg turns the subsampled colour back into RGB for us.
        TIFFSetField(tif, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
        l.photometric = PHOTOMETRIC_RGB;
    }
    // Lines go out one by one when they are stored whole and in an order the
    // picture shows from top or bottom; libtiff's RGBA reader takes the rest
    // and turns them as their orientation says.
    const bool lineByLine = !TIFFIsTiled(tif) && l.format == SAMPLEFORMAT_UINT &&
                            (l.planar == PLANARCONFIG_CONTIG || l.samples == 1) &&
                            (l.orientation == ORIENTATION_TOPLEFT || l.orientation == ORIENTATION_BOTLEFT);
    const tmsize_t scanline = TIFFScanlineSize(tif);
    if (!lineByLine || scanline <= 0) {
        ReadThroughRgba(tiff, l, target);
        return;
    }
    const int32_t width = int32_t(l.width);
    const bool minIsWhite = l.photometric == PHOTOMETRIC_MINISWHITE;

    if ((l.photometric == PHOTOMETRIC_MINISWHITE || l.photometric == PHOTOMETRIC_MINISBLACK) && l.bits == 1 &&
        l.samples == 1) {
        target.Begin(width, int32_t(l.height), WA_1BIT, nullptr, 0, l.hdpi, l.vdpi);
        const size_t bytes = (size_t(width) + 7) / 8;
        const uint8_t lastMask = uint8_t(0xFF << ((8 - width % 8) % 8));
        ReadLines(tiff, l, target, scanline, [&](const uint8_t* in, uint8_t* out) {
            for (size_t i = 0; i < bytes; ++i)
                out[i] = minIsWhite ? uint8_t(~in[i]) : in[i];
            out[bytes - 1] &= lastMask;
        });
        return;
    }
    if ((l.photometric == PHOTOMETRIC_MINISWHITE || l.photometric == PHOTOMETRIC_MINISBLACK) &&
        (l.bits == 2 || l.bits == 4 || l.bits == 8 || l.bits == 16) && l.samples >= 1) {
        const bool alpha = HasAlpha(l, 1);
        target.Begin(width, int32_t(l.height), WA_GRAY, nullptr, 0, l.hdpi, l.vdpi);
        ReadLines(tiff, l, target, scanline, [&](const uint8_t* in, uint8_t* out) {
            for (int32_t x = 0; x < width; ++x) {
                uint8_t v = GreyOf(in, uint32_t(x), l.bits, l.samples);
                if (minIsWhite)
                    v = uint8_t(255 - v);
                out[x] = alpha ? Flatten(l, v, GreyOf(in, uint32_t(x) * l.samples + 1, l.bits, 1)) : v;
            }
        });
        return;
    }
    if (l.photometric == PHOTOMETRIC_PALETTE && l.samples == 1 && l.bits <= 8 && (8 % l.bits) == 0) {
        uint16_t *r = nullptr, *g = nullptr, *b = nullptr;
        if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &r, &g, &b))
            tiff.Fail("the TIFF colour map is missing");
        const size_t n = size_t(1) << l.bits;
        // Some writers store 8-bit colour maps; the standard says 16.
        bool eightBit = true;
        for (size_t i = 0; i < n; ++i)
            eightBit = eightBit && r[i] < 256 && g[i] < 256 && b[i] < 256;
        const auto scale = [&](uint16_t v) { return uint8_t(eightBit ? v : (v * 255u + 32767u) / 65535u); };
        std::vector<PALETTEENTRY> palette(n);
        for (size_t i = 0; i < n; ++i)
            palette[i] = PALETTEENTRY{scale(r[i]), scale(g[i]), scale(b[i]), 0};
        PaletteMapper mapper(palette, l.bits);
        target.Begin(width, int32_t(l.height), mapper.Type(), mapper.Palette(), mapper.Count(), l.hdpi, l.vdpi);
        std::vector<uint8_t> indexes(static_cast<size_t>(width));
        ReadLines(tiff, l, target, scanline, [&](const uint8_t* in, uint8_t* out) {
            UnpackIndexes(in, l.bits, width, indexes.data());
            mapper.MapRow(indexes.data(), width, out);
        });
        return;
    }
    if (l.photometric == PHOTOMETRIC_RGB && (l.bits == 8 || l.bits == 16) && l.samples >= 3) {
        const bool alpha = HasAlpha(l, 3);
        target.Begin(width, int32_t(l.height), WA_RGB24, nullptr, 0, l.hdpi, l.vdpi);
        if (l.bits == 8 && l.samples == 3) {
            ReadLines(tiff, l, target, scanline, [&](const uint8_t* in, uint8_t* out) {
                SwapRedBlue(in, out, size_t(width));
            });
            return;
        }
        ReadLines(tiff, l, target, scanline, [&](const uint8_t* in, uint8_t* out) {
            for (int32_t x = 0; x < width; ++x) {
                const uint32_t at = uint32_t(x) * l.samples;
                const unsigned a = alpha ? GreyOf(in, at + 3, l.bits, 1) : 255;
                for (int c = 0; c < 3; ++c) {
                    const uint8_t v = GreyOf(in, at + uint32_t(c), l.bits, 1);
                    out[3 * x + 2 - c] = alpha ? Flatten(l, v, a) : v;
                }
            }
        });
        return;
    }
    if (l.photometric == PHOTOMETRIC_SEPARATED && l.inkSet == INKSET_CMYK && (l.bits == 8 || l.bits == 16) &&
        l.samples >= 4) {
        // Inks taken off white, with no colour profile.
        const bool alpha = HasAlpha(l, 4);
        target.Begin(width, int32_t(l.height), WA_RGB24, nullptr, 0, l.hdpi, l.vdpi);
        ReadLines(tiff, l, target, scanline, [&](const uint8_t* in, uint8_t* out) {
            for (int32_t x = 0; x < width; ++x) {
                const uint32_t at = uint32_t(x) * l.samples;
                const unsigned white = 255 - GreyOf(in, at + 3, l.bits, 1);
                const unsigned a = alpha ? GreyOf(in, at + 4, l.bits, 1) : 255;
                for (int c = 0; c < 3; ++c) {
                    const unsigned ink = GreyOf(in, at + uint32_t(c), l.bits, 1);
                    const uint8_t v = uint8_t(((255 - ink) * white + 127) / 255);
                    out[3 * x + 2 - c] = alpha ? Flatten(l, v, a) : v;
                }
            }
        });
        return;
    }
    ReadThroughRgba(tiff, l, target);
}

} // namespace

void ReadTiff(std::span<const uint8_t> file, ReadTarget& target)
{
    TiffHandle tiff(file, MaxAlloc());
    ReadFrom(tiff, target);
}

void ReadTiffFile(int fd, uint64_t size, ReadTarget& target)
{
    // Strips are read into buffers of their own, so that the file does not
    // sit in memory beside the picture; tiles need the mapping (TiffHandle).
    {
        TiffHandle tiff(fd, size, MaxAlloc(), TiffHandle::Access::Read);
        if (!TIFFIsTiled(tiff.get())) {
            ReadFrom(tiff, target);
            return;
        }
    }
    TiffHandle tiff(fd, size, MaxAlloc(), TiffHandle::Access::Map);
    ReadFrom(tiff, target);
}

} // namespace imexp
