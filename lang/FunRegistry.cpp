#include "lang/FunRegistry.h"

QnFunRegistry& QnFunRegistry::Process()
{
    static QnFunRegistry registry;
    return registry;
}

QnFunId QnFunRegistry::Register(const PpQnFun& f)
{
    QnCriticalSectionLock lock(cs_);
    return QnFunId(uint32_t(functions_.Add(f)));
}

PpQnFun QnFunRegistry::Lookup(QnFunId id) const
{
    const uint32_t n = id;
    QnCriticalSectionLock lock(cs_);
    if (n == 0 || n > uint32_t(functions_.GetCapacity()))
        QnRangeExcept().raise();
    return functions_.Get(int32_t(n)); // raises for an unused slot
}

int32_t QnFunRegistry::GetCount() const
{
    QnCriticalSectionLock lock(cs_);
    return functions_.GetCount();
}

int32_t QnFunRegistry::GetCapacity() const
{
    QnCriticalSectionLock lock(cs_);
    return functions_.GetCapacity();
}
