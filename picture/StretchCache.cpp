#include "picture/StretchCache.h"

namespace {

// Enlarging, 1:1 and reducing all by nearest sample.
constexpr int kStretchOptions = 0x222;

} // namespace

PpQnRenderObj QnStretchCache::Get(const QnXFormXY& xf, QnRenderObj* source,
                                  const QnStretchRenderObj::PlaneFmt* formats)
{
    QnCriticalSectionLock guard(lock_);
    if (object_ && xf_ == xf)
        return PpQnRenderObj(object_);
    PpQnRenderObj made = PpQnStretchRenderObj(xf, kStretchOptions, PpQnRenderObj(source), 2, formats,
                                              PpQnPixConverter(PpQnPixConverter::TAG{}), -1);
    QnLockGc gc;
    object_ = made.Get();
    xf_ = xf;
    return made;
}

void QnStretchCache::Mark(QnObj::Visitor visit) const
{
    if (object_)
        visit(object_);
}
