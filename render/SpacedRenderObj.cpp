#include "render/SpacedRenderObj.h"

#include "base/QnMemPool.h"
#include "render/RenderRcStr.h"

namespace {

QnMemPool& SpacedPool()
{
    static QnMemPool& pool = QnMemPool::Lasting(sizeof(QnSpacedRenderObj));
    return pool;
}

bool Same(const PpQnPixConverter& a, const PpQnPixConverter& b)
{
    return a && a->IsSame(b.Get());
}

} // namespace

void* QnSpacedRenderObj::operator new(size_t)
{
    if (void* p = SpacedPool().alloc())
        return p;
    qn_standard_new_handler(0);
}

void QnSpacedRenderObj::operator delete(void* p) noexcept { SpacedPool().free(p); }

QnSpacedRenderObj::QnSpacedRenderObj(QnRenderObj* source)
    : QnRenderObj(source->IsUnique(), 0), source_(source), rendering_(source)
{
}

void QnSpacedRenderObj::MarkFixedObjects(Visitor visit)
{
    visit(source_);
    visit(rendering_);
}

int QnSpacedRenderObj::Compare(const PpQnFlVal& other) const
{
    const auto* spaced = dynamic_cast<const QnSpacedRenderObj*>(other.Get());
    return CompareObjects(rendering_, spaced ? spaced->rendering_ : nullptr);
}

PpQnRenderObj QnSpacedRenderObj::GetSpacedRender(const PpQnPixConverter& converter, int flag)
{
    return source_->GetSpacedRender(converter, flag);
}

PpQnRenderObj QnSpacedRenderObj::GetNativeRender() { return PpQnRenderObj(source_); }

QnRect QnSpacedRenderObj::GetRect_I(const QnXFormXY& xf) { return source_->GetRect(xf); }

PpQnPixBuf QnSpacedRenderObj::Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor,
                                       const QnRect& request, QnRect* got, QnRenderProgress* progress,
                                       int rectOnly)
{
    return rendering_->Render_I(xf, plane, anchor, request, got, progress, rectOnly);
}

PpQnPixConverter QnSpacedRenderObj::GetConverterToStd()
{
    QN_RENDER_RAISE(QN_RENDER_CANT_INVOKE, "render");
}

int QnSpacedRenderObj::HasSafeConversion()
{
    QN_RENDER_RAISE(QN_RENDER_CANT_INVOKE, "render");
}

PpQnSpacedRenderObj::PpQnSpacedRenderObj(const PpQnRenderObj& source, const PpQnPixConverter& wanted,
                                         const PpQnPixConverter& toStd, int flag)
    : QnPp(QnCreate<QnSpacedRenderObj>(source.Get()))
{
    // Through the source itself when its space converts losslessly to the
    // standard form and the wanted converter undoes exactly that, or when
    // the wanted converter is the inverse of the source's own.
    if (flag == 0 && source->HasSafeConversion() && Same(wanted->GetInverse(0), toStd))
        return;
    if (Same(toStd->GetInverse(1), wanted))
        return;
    PpQnRenderObj rendering = wanted->ConvertRender(toStd->ConvertRender(source));
    QnLockGc lock;
    Get()->rendering_ = rendering.Get();
}
