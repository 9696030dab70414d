#include "savers/SaverDib.h"

#include "imexp/ImExp.h"
#include "platform/Dib.h"

#include <array>

SaverDib::SaverDib(int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0)
        return;
    width_ = width;
    height_ = height;
    rowBytes_ = size_t(platform::DibRowBytes(uint64_t(width), 24));
    bytes_.assign(rowBytes_ * size_t(height), 0);
}

namespace {

// Takes the rows a reader hands over and expands them to blue, green, red.
class Dib24Sink : public CAbstractReadWA {
public:
    int SetImageNum(int) override { return 0; }
    int SetLayersNum(int, int) override { return 0; }
    int SetSize(int, int, int width, int height) override
    {
        if (width <= 0 || height <= 0)
            return 1;
        dib = SaverDib(width, height);
        return 0;
    }
    int SetType(int, int, int waType) override
    {
        if (WaBitsPerPixel(waType) == 0)
            return 1;
        type = waType;
        if (type == WA_1BIT) {
            palette[0] = {0, 0, 0, 0};
            palette[1] = {255, 255, 255, 0};
        }
        return 0;
    }
    int SetPalette(int, int, PALETTEENTRY* entries, int count) override
    {
        for (int i = 0; i < count && i < 256; ++i)
            palette[size_t(i)] = entries[i];
        return 0;
    }
    int SetRes(int, int, int, int) override { return 0; }
    int SetRow(int, int, int row, const unsigned char* data) override
    {
        if (dib.Empty() || type == 0 || row < 0 || row >= dib.Height())
            return 1;
        uint8_t* out = dib.Line(dib.Height() - 1 - row);
        for (int32_t x = 0; x < dib.Width(); ++x, out += 3) {
            if (type == WA_RGB24) {
                out[0] = data[3 * x];
                out[1] = data[3 * x + 1];
                out[2] = data[3 * x + 2];
            } else if (type == WA_GRAY) {
                out[0] = out[1] = out[2] = data[x];
            } else {
                const PALETTEENTRY& p = palette[IndexAt(data, x)];
                out[0] = p.peBlue;
                out[1] = p.peGreen;
                out[2] = p.peRed;
            }
        }
        return 0;
    }

    SaverDib dib;

private:
    size_t IndexAt(const unsigned char* data, int32_t x) const
    {
        switch (type) {
        case WA_1BIT: return (data[x / 8] >> (7 - x % 8)) & 1;
        case WA_4BIT: return (data[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F;
        default: return data[x];
        }
    }

    int type = 0;
    std::array<PALETTEENTRY, 256> palette{};
};

} // namespace

std::optional<SaverDib> SaverDib::Load(const std::string& path, std::string* error)
{
    Dib24Sink sink;
    const imexp::Status status = imexp::ReadPicture(path, sink);
    if (!status || sink.dib.Empty()) {
        if (error)
            *error = status ? "The picture is empty." : status.error;
        return std::nullopt;
    }
    return std::move(sink.dib);
}
