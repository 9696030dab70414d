// BMP files through the shared DIB codec: uncompressed, bottom-up, 1, 4 or
// 8 bits with the picture's palette (grey pictures with the grey ramp), or
// 24 bits.
#include "imexp/Writers.h"

#include "imexp/Fail.h"
#include "imexp/OutputFile.h"
#include "imexp/WriteSource.h"

#include "platform/Dib.h"

namespace imexp {

void WriteBmp(OutputFile& out, WriteSource& source)
{
    const uint16_t bits = uint16_t(WaBitsPerPixel(source.Type()));
    std::vector<platform::RGBQUAD> palette;
    for (const PALETTEENTRY& e : source.Palette())
        palette.push_back(platform::RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0});
    const std::vector<uint8_t> dib =
        platform::MakeDibHeader(source.Width(), source.Height(), bits, palette, source.HDpi(), source.VDpi());
    const uint64_t pixels = platform::DibRowBytes(uint64_t(source.Width()), bits) * uint64_t(source.Height());
    const uint64_t total = platform::BITMAPFILEHEADER::kSize + dib.size() + pixels;
    if (total > UINT32_MAX)
        Fail("the picture is too large for a BMP file");

    platform::BITMAPFILEHEADER header;
    header.bfSize = uint32_t(total);
    header.bfOffBits = uint32_t(platform::BITMAPFILEHEADER::kSize + dib.size());
    uint8_t bytes[platform::BITMAPFILEHEADER::kSize];
    header.Write(bytes);
    out.WriteOrFail(bytes, sizeof bytes);
    out.WriteOrFail(dib.data(), dib.size());
    for (int32_t row = 0; row < source.Height(); ++row)
        out.WriteOrFail(source.Row(row), source.RowBytes());
}

} // namespace imexp
