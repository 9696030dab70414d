#include "editor/document/DocConversions.h"

#include <cstring>

#include "base/QnExcept.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/operations/DibExport.h"
#include "editor/operations/DitherConvert.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"

PpQnExpr ConversionFunction(const CLdConversion& c, const PpQnExpr& picture)
{
    const int32_t colours = c.PaletteColours();
    switch (c.target) {
    case CLdConversion::Target::Mono:
        return MakeConvertTo1BitExpr(c.option);
    case CLdConversion::Target::Paletted4:
        return colours ? MakeConvertTo4BitPaletteExpr(MakeBuildPaletteExpr(picture, colours), c.option)
                       : MakeConvertTo4BitExpr(c.option);
    case CLdConversion::Target::Paletted8:
        break;
    }
    return colours ? MakeConvertTo8BitPaletteExpr(MakeBuildPaletteExpr(picture, colours), c.option)
                   : MakeConvertTo8BitExpr(c.option);
}

ConversionMemory& TheConversionMemory()
{
    static ConversionMemory memory;
    return memory;
}

QImage DocPreviewPicture::Render(const CLdConversion* effect, const QSize& size)
{
    if (!picture_)
        return {};
    PpQnRenderObj shown(picture_);
    try {
        if (effect) {
            const PpQnExpr source{PpQnFlVal(picture_)};
            QnMachineContext machine;
            const PpQnExpr value = machine.eval(PpQnExpr(ConversionFunction(*effect, source), source), nullptr);
            shown = QnCheckedCast<QnRenderObj>(QnValueOf(value), "Lodo40Doc", __LINE__);
        }
    } catch (const QnExcept&) {
        return {};
    }
    // A packed DIB: 40-byte header, blue-green-red rows bottom-up, 4-byte aligned.
    const std::vector<uint8_t> dib = RenderObjToDib(shown, 3);
    if (dib.size() < 40)
        return {};
    int32_t width, height;
    std::memcpy(&width, &dib[4], 4);
    std::memcpy(&height, &dib[8], 4);
    const size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
    QImage image(width, height, QImage::Format_RGB888);
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* src = &dib[40 + size_t(height - 1 - y) * stride];
        uint8_t* dst = image.scanLine(y);
        for (int32_t x = 0; x < width; ++x) {
            dst[3 * x] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x];
        }
    }
    return image.scaled(size, Qt::KeepAspectRatio, Qt::FastTransformation);
}
