#include "render/FillRenderObj.h"

#include "base/QnMemPool.h"
#include "render/PixConverter.h"
#include "render/PixCopy.h"
#include "render/RenderRcStr.h"
#include "render/Rgn.h"

#include <algorithm>
#include <tuple>

namespace {

QnMemPool& FillPool()
{
    static QnMemPool& pool = QnMemPool::Lasting(sizeof(QnFillRenderObj));
    return pool;
}

int32_t ValidPlanes(int32_t planes)
{
    if (planes < 0 || planes > QnFillRenderObj::kMaxPlanes)
        QN_RENDER_RAISE(QN_RENDER_BAD_PLANE_COUNT, "fill");
    return planes;
}

} // namespace

void* QnFillRenderObj::operator new(size_t)
{
    if (void* p = FillPool().alloc())
        return p;
    qn_standard_new_handler(0);
}

void QnFillRenderObj::operator delete(void* p) noexcept { FillPool().free(p); }

QnFillRenderObj::QnFillRenderObj(QnRenderObj* source, int32_t planes, const PlaneFmt* formats)
    : QnRenderObj(source->IsUnique(), 0), source_(source), planes_(ValidPlanes(planes))
{
    std::copy_n(formats, planes_, formats_);
}

PpQnFillRenderObj::PpQnFillRenderObj(const PpQnRenderObj& source, int32_t planes,
                                     const QnFillRenderObj::PlaneFmt* formats)
    : QnPp(QnCreate<QnFillRenderObj>(source.Get(), planes, formats))
{
}

void QnFillRenderObj::MarkFixedObjects(Visitor visit) { visit(source_); }

int QnFillRenderObj::Compare(const PpQnFlVal& other) const
{
    const auto* fill = dynamic_cast<const QnFillRenderObj*>(other.Get());
    if (!fill)
        return 1;
    if (const int bySource = CompareObjects(source_, fill->source_))
        return bySource;
    if (planes_ != fill->planes_)
        return planes_ < fill->planes_ ? -1 : 1;
    for (int32_t i = 0; i < planes_; ++i) {
        const auto a = std::tie(formats_[i].first, formats_[i].second, formats_[i].bytesPerPixel);
        const auto b = std::tie(fill->formats_[i].first, fill->formats_[i].second, fill->formats_[i].bytesPerPixel);
        if (a != b)
            return a < b ? -1 : 1;
    }
    return 0;
}

QnRect QnFillRenderObj::GetRect_I(const QnXFormXY& xf) { return source_->GetRect(xf); }

PpQnRenderObj QnFillRenderObj::GetSpacedRender(const PpQnPixConverter& converter, int flag)
{
    return source_->GetSpacedRender(converter, flag);
}

PpQnRenderObj QnFillRenderObj::GetNativeRender() { return source_->GetNativeRender(); }

PpQnPixConverter QnFillRenderObj::GetConverterToStd() { QN_RENDER_RAISE(QN_RENDER_CANT_INVOKE, "fill"); }

int QnFillRenderObj::HasSafeConversion() { QN_RENDER_RAISE(QN_RENDER_CANT_INVOKE, "fill"); }

PpQnPixBuf QnFillRenderObj::RenderRect(const QnXFormXY& xf, int plane, const QnRect& r,
                                       QnRenderProgress* progress)
{
    return Render(xf, plane, QnPoint{r.left, r.top}, r, nullptr, progress, 0);
}

PpQnPixBuf QnFillRenderObj::RenderRow(const QnXFormXY& xf, int plane, int32_t y, const QnRange& span,
                                      QnRenderProgress* progress)
{
    const QnRect row{span.start, y, span.end, int32_t(int64_t(y) + 1)};
    return Render(xf, plane, QnPoint{span.start, y}, row, nullptr, progress, 0);
}

PpQnPixBuf QnFillRenderObj::Render_I(const QnXFormXY& xf, int plane, const QnPoint&, const QnRect& request,
                                     QnRect* got, QnRenderProgress* progress, int rectOnly)
{
    if (plane < 0 || plane >= planes_)
        QN_RENDER_RAISE(QN_RENDER_BAD_PLANE_REQUEST, "fill");
    if (got)
        *got = request;
    if (rectOnly)
        return PpQnPixBuf();
    const int32_t bytes = formats_[plane].bytesPerPixel;
    PpQnPixBuf out = PpQnPixBuf::ForRect(request, bytes);
    RenderPieces(xf, plane, request, progress,
                 [&](const QnPixBuf& pixels, const QnRect& part) { QnCopyPixels(*out, pixels, part, bytes); });
    return out;
}

void QnFillRenderObj::RenderPieces(const QnXFormXY& xf, int plane, const QnRect& r, QnRenderProgress* progress,
                                   const PieceSink& take)
{
    if (plane < 0 || plane >= planes_)
        QN_RENDER_RAISE(QN_RENDER_BAD_PLANE_REQUEST, "fill");
    const int32_t bytes = formats_[plane].bytesPerPixel;
    QnRgn missing(r);
    const int64_t total = r.Width() * r.Height();
    int64_t done = 0;
    while (missing) {
        const QnRect piece = missing.first();
        const QnPoint anchor{piece.left, piece.top};
        // A source that answers without its anchor, or with nothing, would
        // be asked for the same piece for ever.
        QnRect part;
        source_->Render(xf, plane, anchor, piece, &part, progress, 1);
        if (!part.Contains(anchor))
            QN_RENDER_RAISE(QN_RENDER_BAD_RECT_REQUEST, "fill");
        const int64_t area = part.Width() * part.Height();
        QnRenderProgress::Scale scale(progress, done, done + area, total);
        done += area;
        const PpQnPixBuf pixels = source_->Render(xf, plane, anchor, piece, &part, progress, 0);
        if (!part.Contains(anchor) || QnIntersectRect(pixels->GetRect(), part) != part
            || !pixels->Holds(bytes))
            QN_RENDER_RAISE(QN_RENDER_BAD_RECT_REQUEST, "fill");
        take(*pixels, part);
        missing -= part;
    }
}
