// Functions that code names by number. A used slot holds a locked handle, so
// a registered function lives as long as the registry. Registration and
// look-up both hold the registry's section, so a look-up never reads a slot
// block that a registration on another thread is replacing.
#pragma once

#include "base/QnCriticalSection.h"
#include "lang/Array.h"
#include "lang/Fun.h"

class QnFunRegistry {
public:
    QnFunRegistry() : functions_(kGrowth) {}
    QnFunRegistry(const QnFunRegistry&) = delete;
    QnFunRegistry& operator=(const QnFunRegistry&) = delete;

    // The process's registry, the one QnFun::RegisterFun fills. Made on first
    // use, which is the library's load: the standard built-ins register there
    // before any other code can.
    static QnFunRegistry& Process();

    // Stores a copy of f (null too) and returns its id: ids run 1, 2, 3, ...
    // in registration order. Nothing is ever removed.
    QnFunId Register(const PpQnFun& f);
    // The function of id; QnRangeExcept for 0 or an id never handed out.
    PpQnFun Lookup(QnFunId id) const;
    int32_t GetCount() const;
    int32_t GetCapacity() const;

    static constexpr int32_t kGrowth = 64;

private:
    mutable QnCriticalSection cs_;
    QnArray_<PpQnFun> functions_;
};
