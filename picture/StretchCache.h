// The stretch object a tiled object keeps for the last transform other than
// the identity it was asked for, so that a view scrolling at one zoom builds
// its index tables once. One transform at a time.
#pragma once

#include "base/QnCriticalSection.h"
#include "gc/QnGc.h"
#include "render/StretchRenderObj.h"

class QnStretchCache {
public:
    // The stretch of source under xf with two planes of the given formats:
    // the cached one when it was made for xf, else a new one that replaces it.
    PpQnRenderObj Get(const QnXFormXY& xf, QnRenderObj* source, const QnStretchRenderObj::PlaneFmt* formats);
    // The owner's MarkFixedObjects reports the cached object through this:
    // the cache holds no lock on it, since it points back at its owner.
    void Mark(QnObj::Visitor visit) const;

private:
    QnCriticalSection lock_;
    QnXFormXY xf_;
    QnRenderObj* object_ = nullptr;
};
