// GIF through giflib: the first frame, at its own size, with the colour
// the frame's control block makes transparent shown as white. Interlaced
// frames hand their lines over pass by pass, so nothing is buffered.
#include "imexp/Readers.h"

#include "imexp/Fail.h"
#include "imexp/PaletteMapper.h"
#include "imexp/ReadTarget.h"

#include <cstring>
#include <gif_lib.h>
#include <string>
#include <vector>

namespace imexp {

namespace {

struct Input {
    std::span<const uint8_t> bytes;
    size_t at = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* out, int count)
{
    auto* in = static_cast<Input*>(gif->UserData);
    const size_t n = std::min(size_t(count < 0 ? 0 : count), in->bytes.size() - in->at);
    std::memcpy(out, in->bytes.data() + in->at, n);
    in->at += n;
    return int(n);
}

struct Decoder {
    GifFileType* gif = nullptr;
    ~Decoder()
    {
        int error = 0;
        if (gif)
            DGifCloseFile(gif, &error);
    }
    [[noreturn]] void Fail(int code) const
    {
        const char* text = GifErrorString(code);
        imexp::Fail(code == D_GIF_ERR_READ_FAILED || code == D_GIF_ERR_EOF_TOO_SOON
                        ? std::string("the GIF data is cut short")
                        : std::string("the GIF data is damaged (") + (text ? text : "unknown error") + ")");
    }
};

} // namespace

void ReadGif(std::span<const uint8_t> file, ReadTarget& target)
{
    Input input{file};
    Decoder d;
    int error = 0;
    d.gif = DGifOpen(&input, ReadBytes, &error);
    if (!d.gif)
        d.Fail(error);
    GifFileType* gif = d.gif;

    int transparent = -1;
    for (;;) {
        GifRecordType record;
        if (DGifGetRecordType(gif, &record) == GIF_ERROR)
            d.Fail(gif->Error);
        if (record == TERMINATE_RECORD_TYPE)
            Fail("the GIF file holds no picture");
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
                d.Fail(gif->Error);
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4 && (block[1] & 1))
                transparent = block[4];
            while (block) {
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                    d.Fail(gif->Error);
            }
            continue;
        }
        if (record == IMAGE_DESC_RECORD_TYPE)
            break;
    }
    if (DGifGetImageDesc(gif) == GIF_ERROR)
        d.Fail(gif->Error);
    const int32_t width = gif->Image.Width;
    const int32_t height = gif->Image.Height;
    ReadTarget::CheckSize(width, height);
    const ColorMapObject* map = gif->Image.ColorMap ? gif->Image.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount <= 0)
        Fail("the GIF file has no colour table");

    std::vector<PALETTEENTRY> palette(size_t(map->ColorCount));
    for (int i = 0; i < map->ColorCount; ++i)
        palette[size_t(i)] = PALETTEENTRY{map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue, 0};
    if (transparent >= 0 && transparent < map->ColorCount)
        palette[size_t(transparent)] = PALETTEENTRY{255, 255, 255, 0};
    PaletteMapper mapper(palette, map->BitsPerPixel);
    target.Begin(width, height, mapper.Type(), mapper.Palette(), mapper.Count(), 0, 0);

    std::vector<GifPixelType> line(static_cast<size_t>(width));
    const auto readLine = [&](int32_t y) {
        if (DGifGetLine(gif, line.data(), width) == GIF_ERROR)
            d.Fail(gif->Error);
        mapper.MapRow(line.data(), width, target.RowBuffer());
        target.PutLine(y, target.RowBuffer());
    };
    if (gif->Image.Interlace) {
        static constexpr int32_t kStart[] = {0, 4, 2, 1};
        static constexpr int32_t kStep[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int32_t y = kStart[pass]; y < height; y += kStep[pass])
                readLine(y);
    } else {
        for (int32_t y = 0; y < height; ++y)
            readLine(y);
    }
}

} // namespace imexp
