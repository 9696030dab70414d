#include "picture/GrayConv.h"

#include "base/QnMemPool.h"
#include "picture/CSConv.h"
#include "picture/ConvRenderObj.h"
#include "picture/PictureRcStr.h"
#include "picture/PixelFormulas.h"
#include "render/Rgn.h"

#include <cstring>

namespace {

void ToGrayRow(const uint8_t* in, uint8_t* out, int32_t width, const void*)
{
    for (int32_t x = 0; x < width; ++x, in += 3)
        out[x] = QnGrayOf(in[0], in[1], in[2]);
}

void FromGrayRow(const uint8_t* in, uint8_t* out, int32_t width, const void*)
{
    for (int32_t x = 0; x < width; ++x, out += 3)
        out[0] = out[1] = out[2] = in[x];
}

PpQnPixConverter Single(PpQnCS::ConvType t) { return PpQnPixConverter(QnSingleConverterOf(t)); }

} // namespace

class ConvRender_ToGray : public QnConvRenderObj {
    QN_CONV_POOLED
    friend struct ::QnObjCreator;
    using QnConvRenderObj::QnConvRenderObj;

    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress* progress, int rectOnly) override
    {
        if (plane != 0)
            QN_PICTURE_RAISE(QN_PIC_BAD_PLANE_REQUEST, "GrayConv");
        return ConvertColour(xf, anchor, request, got, progress, rectOnly, 3, 1, QN_PIC_CONVERTING_TO_GRAY,
                             ToGrayRow);
    }
};
QN_CONV_POOL_DEFINE(ConvRender_ToGray)

class ConvRender_FromGray : public QnConvRenderObj {
    QN_CONV_POOLED
    friend struct ::QnObjCreator;
    using QnConvRenderObj::QnConvRenderObj;

    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress* progress, int rectOnly) override
    {
        CheckPlane(plane, "GrayConv");
        if (plane == 0)
            return ConvertColour(xf, anchor, request, got, progress, rectOnly, 1, 3, QN_PIC_CONVERTING_TO_RGB,
                                 FromGrayRow);
        return MadeAlpha(xf, anchor, request, got, progress, rectOnly);
    }

    // Grey has no alpha: opaque over the source's rectangle, transparent
    // around it. Answered in blocks of 64 x 64 at most, so that a large
    // request costs no more than a tile.
    PpQnPixBuf MadeAlpha(const QnXFormXY& xf, const QnPoint& anchor, const QnRect& request, QnRect* got,
                         QnRenderProgress* progress, int rectOnly)
    {
        const QnRect rect = GetRect(xf);
        const bool inside = rect.Contains(anchor);
        const QnRect part = inside ? QnIntersectRect(request, rect) : (QnRgn(request) - QnRgn(rect)).from_point(anchor);
        const QnRect block = CalcRect(anchor, part, 64, 64);
        if (got)
            *got = block;
        if (progress && !rectOnly) {
            progress->SetText(QnPictureText(QN_PIC_CREATING_ALPHA).c_str());
            progress->SetTotal(1);
            progress->SetCurrent(1);
        }
        if (rectOnly)
            return PpQnPixBuf();
        PpQnPixBuf out = PpQnPixBuf::ForRect(block, 1);
        std::memset(out->Row(0), inside ? 255 : 0, size_t(block.Width() * block.Height()));
        return out;
    }
};
QN_CONV_POOL_DEFINE(ConvRender_FromGray)

class ConvRender_ToGrayA : public QnConvRenderObj {
    QN_CONV_POOLED
    friend struct ::QnObjCreator;
    using QnConvRenderObj::QnConvRenderObj;

    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress* progress, int rectOnly) override
    {
        return ConvertColourKeepAlpha("GrayConv", xf, plane, anchor, request, got, progress, rectOnly,
                                      3, 1, QN_PIC_CONVERTING_TO_GRAY, ToGrayRow);
    }
};
QN_CONV_POOL_DEFINE(ConvRender_ToGrayA)

class ConvRender_FromGrayA : public QnConvRenderObj {
    QN_CONV_POOLED
    friend struct ::QnObjCreator;
    using QnConvRenderObj::QnConvRenderObj;

    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress* progress, int rectOnly) override
    {
        return ConvertColourKeepAlpha("GrayConv", xf, plane, anchor, request, got, progress, rectOnly,
                                      1, 3, QN_PIC_CONVERTING_TO_RGB, FromGrayRow);
    }
};
QN_CONV_POOL_DEFINE(ConvRender_FromGrayA)

PpQnRenderObj Converter_ToGray::ConvertRender(const PpQnRenderObj& source)
{
    return QnMakeConvRender<ConvRender_ToGray>(source, Single(PpQnCS::FROM_GRAY));
}

PpQnPixConverter Converter_ToGray::GetInverse(int how) { return how ? nullptr : Single(PpQnCS::FROM_GRAY); }

PpQnRenderObj Converter_FromGray::ConvertRender(const PpQnRenderObj& source)
{
    return QnMakeConvRender<ConvRender_FromGray>(source, nullptr);
}

PpQnPixConverter Converter_FromGray::GetInverse(int) { return Single(PpQnCS::TO_GRAY); }

PpQnRenderObj Converter_ToGrayA::ConvertRender(const PpQnRenderObj& source)
{
    return QnMakeConvRender<ConvRender_ToGrayA>(source, Single(PpQnCS::FROM_GRAY_A));
}

PpQnPixConverter Converter_ToGrayA::GetInverse(int how) { return how ? nullptr : Single(PpQnCS::FROM_GRAY_A); }

PpQnRenderObj Converter_FromGrayA::ConvertRender(const PpQnRenderObj& source)
{
    return QnMakeConvRender<ConvRender_FromGrayA>(source, nullptr);
}

PpQnPixConverter Converter_FromGrayA::GetInverse(int) { return Single(PpQnCS::TO_GRAY_A); }
