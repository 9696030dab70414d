#include "editor/document/DocConversions.h"

#include "editor/operations/DitherConvert.h"

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

CLdConversionEffect ConversionPreviewEffect(const PpQnPicture& picture)
{
    const PpQnExpr source{PpQnFlVal(picture)};
    return [source](const CLdConversion& c) { return ConversionFunction(c, source); };
}

ConversionMemory& TheConversionMemory()
{
    static ConversionMemory memory;
    return memory;
}
