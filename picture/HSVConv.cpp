#include "picture/HSVConv.h"

#include "base/QnMemPool.h"
#include "picture/CSConv.h"
#include "picture/ConvRenderObj.h"
#include "picture/PictureRcStr.h"
#include "picture/PixelFormulas.h"

namespace {

void ToHSVRow(const uint8_t* in, uint8_t* out, int32_t width, const void*)
{
    for (int32_t x = 0; x < width; ++x, in += 3, out += 3)
        QnToHSV(in, out);
}

void FromHSVRow(const uint8_t* in, uint8_t* out, int32_t width, const void*)
{
    for (int32_t x = 0; x < width; ++x, in += 3, out += 3)
        QnFromHSV(in, out);
}

PpQnPixConverter Single(PpQnCS::ConvType t) { return PpQnPixConverter(QnSingleConverterOf(t)); }

} // namespace

// Both convert the source's rows in place: the source's buffer is the
// caller's copy-on-write twin, so the first write gives it its own store.
class ConvRender_ToHSVA : public QnConvRenderObj {
    QN_CONV_POOLED
    friend struct ::QnObjCreator;
    using QnConvRenderObj::QnConvRenderObj;

    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress* progress, int rectOnly) override
    {
        return ConvertColourKeepAlpha("HSVConv", xf, plane, anchor, request, got, progress, rectOnly,
                                      3, 0, QN_PIC_CONVERTING_TO_HSV, ToHSVRow);
    }
};
QN_CONV_POOL_DEFINE(ConvRender_ToHSVA)

class ConvRender_FromHSVA : public QnConvRenderObj {
    QN_CONV_POOLED
    friend struct ::QnObjCreator;
    using QnConvRenderObj::QnConvRenderObj;

    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress* progress, int rectOnly) override
    {
        return ConvertColourKeepAlpha("HSVConv", xf, plane, anchor, request, got, progress, rectOnly,
                                      3, 0, QN_PIC_CONVERTING_TO_RGB, FromHSVRow);
    }
};
QN_CONV_POOL_DEFINE(ConvRender_FromHSVA)

PpQnRenderObj Converter_ToHSVA::ConvertRender(const PpQnRenderObj& source)
{
    return QnMakeConvRender<ConvRender_ToHSVA>(source, Single(PpQnCS::FROM_HSV_A));
}

PpQnPixConverter Converter_ToHSVA::GetInverse(int) { return Single(PpQnCS::FROM_HSV_A); }

PpQnRenderObj Converter_FromHSVA::ConvertRender(const PpQnRenderObj& source)
{
    return QnMakeConvRender<ConvRender_FromHSVA>(source, nullptr);
}

PpQnPixConverter Converter_FromHSVA::GetInverse(int) { return Single(PpQnCS::TO_HSV_A); }
