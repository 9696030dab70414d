#include "picture/PalConv.h"

#include "base/QnMemPool.h"
#include "picture/ConvRenderObj.h"
#include "picture/PictureRcStr.h"

#include <algorithm>
#include <cstring>

namespace {

// Blue, green, red of each of the 256 indices.
struct ColourTable {
    uint8_t bgr[256][3];
};

void FromPalRow(const uint8_t* in, uint8_t* out, int32_t width, const void* context)
{
    const auto& table = static_cast<const ColourTable*>(context)->bgr;
    for (int32_t x = 0; x < width; ++x, out += 3)
        std::memcpy(out, table[in[x]], 3);
}

} // namespace

class ConvRender_FromPalA : public QnConvRenderObj {
    QN_CONV_POOLED
    friend struct ::QnObjCreator;

    ConvRender_FromPalA(QnRenderObj* source, const PALETTEENTRY* palette, int32_t count)
        : QnConvRenderObj(source, nullptr), count_(count)
    {
        std::copy_n(palette, 256, palette_);
        for (int i = 0; i < 256; ++i) {
            table_.bgr[i][0] = palette_[i].peBlue;
            table_.bgr[i][1] = palette_[i].peGreen;
            table_.bgr[i][2] = palette_[i].peRed;
        }
    }

    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress* progress, int rectOnly) override
    {
        return ConvertColourKeepAlpha("PalConv", xf, plane, anchor, request, got, progress, rectOnly,
                                      1, 3, QN_PIC_CONVERTING_TO_RGB, FromPalRow, &table_);
    }

    PALETTEENTRY palette_[256];
    int32_t count_;
    ColourTable table_;
};
QN_CONV_POOL_DEFINE(ConvRender_FromPalA)

Converter_FromPalA::Converter_FromPalA(const PALETTEENTRY* palette, int32_t count) : count_(count)
{
    std::copy_n(palette, count, palette_);
}

PpQnRenderObj Converter_FromPalA::ConvertRender(const PpQnRenderObj& source)
{
    return PpQnRenderObj(QnCreate<ConvRender_FromPalA>(source.Get(), palette_, count_));
}

PpQnPixConverter Converter_FromPalA::GetInverse(int) { return nullptr; }

int Converter_FromPalA::IsSame(const QnPixConverter* other)
{
    const auto* pal = dynamic_cast<const Converter_FromPalA*>(other);
    if (!pal || pal->count_ != count_)
        return 0;
    for (int32_t i = 0; i < count_; ++i)
        if (palette_[i].peRed != pal->palette_[i].peRed || palette_[i].peGreen != pal->palette_[i].peGreen
            || palette_[i].peBlue != pal->palette_[i].peBlue)
            return 0;
    return 1;
}
