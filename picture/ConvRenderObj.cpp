#include "picture/ConvRenderObj.h"

#include "picture/PictureRcStr.h"
#include "render/RenderRcStr.h"

QnConvRenderObj::QnConvRenderObj(QnRenderObj* source, QnPixConverter* toStd)
    : QnRenderObj(1, 0), source_(source), toStd_(toStd)
{
}

void QnConvRenderObj::MarkFixedObjects(Visitor visit)
{
    visit(source_);
    if (toStd_)
        visit(toStd_);
}

int QnConvRenderObj::Compare(const PpQnFlVal& other) const
{
    const auto* conv = dynamic_cast<const QnConvRenderObj*>(other.Get());
    return CompareObjects(source_, conv ? conv->source_ : nullptr);
}

PpQnPixConverter QnConvRenderObj::GetConverterToStd()
{
    return toStd_ ? PpQnPixConverter(toStd_) : PpQnPixConverter(PpQnPixConverter::TAG{});
}

void QnConvRenderObj::CheckPlane(int plane, const char* stem)
{
    if (plane != 0 && plane != 1) {
        static QnExcept site(QnPictureRcStr()(QN_PIC_BAD_PLANE_REQUEST).c_str(), stem, __LINE__);
        site.raise();
    }
}

PpQnPixBuf QnConvRenderObj::ConvertColourKeepAlpha(const char* stem, const QnXFormXY& xf, int plane,
                                                   const QnPoint& anchor, const QnRect& request, QnRect* got,
                                                   QnRenderProgress* progress, int rectOnly, int32_t inBytes,
                                                   int32_t outBytes, int textId, RowFn fn, const void* context)
{
    CheckPlane(plane, stem);
    if (plane == 1)
        return RenderSrc(xf, 1, anchor, request, got, progress, rectOnly);
    return ConvertColour(xf, anchor, request, got, progress, rectOnly, inBytes, outBytes, textId, fn, context);
}

PpQnPixBuf QnConvRenderObj::RenderSrc(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                                      QnRect* got, QnRenderProgress* progress, int rectOnly)
{
    return source_->Render(xf, plane, anchor, request, got, progress, rectOnly);
}

PpQnPixBuf QnConvRenderObj::ConvertColour(const QnXFormXY& xf, const QnPoint& anchor, const QnRect& request,
                                          QnRect* got, QnRenderProgress* progress, int rectOnly, int32_t inBytes, int32_t outBytes,
                                          int textId, RowFn fn, const void* context)
{
    QnRect part;
    PpQnPixBuf in{nullptr};
    {
        QnRenderProgress::Scale scale(progress, 0, 1, 2);
        in = RenderSrc(xf, 0, anchor, request, &part, progress, rectOnly);
    }
    if (got)
        *got = part;
    if (rectOnly)
        return in;
    // The rows are read as the source's form promises: check that they are there.
    if (in->GetRect() != part || !in->Holds(inBytes))
        QN_RENDER_RAISE(QN_RENDER_BAD_RECT_REQUEST, "CSConv");
    PpQnPixBuf out = outBytes ? PpQnPixBuf::ForRect(part, outBytes) : in;
    QnRenderProgress::Scale scale(progress, 1, 2, 2);
    const int32_t rows = int32_t(part.Height());
    const int32_t width = int32_t(part.Width());
    if (progress) {
        progress->SetText(QnPictureText(textId).c_str());
        progress->SetTotal(rows);
    }
    for (int32_t i = rows - 1; i >= 0; --i) {
        const uint8_t* src = outBytes ? in->CRow(i) : nullptr;
        uint8_t* dst = out->Row(i);
        fn(src ? src : dst, dst, width, context);
        if (progress) {
            if (progress->IsAborted())
                QN_PICTURE_RAISE(QN_PIC_USER_ABORT, "CSConv");
            progress->SetCurrent(rows - i);
        }
    }
    return out;
}
