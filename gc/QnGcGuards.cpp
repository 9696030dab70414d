#include "gc/QnGcGuards.h"

#include "gc/QnObj.h"

QnLockGc::QnLockGc() : cs_(&QnObj::cs) { cs_->Enter(); }

QnLockGc::QnLockGc(const QnLockGc& other) : cs_(other.cs_)
{
    if (cs_)
        cs_->Enter();
}

QnLockGc& QnLockGc::operator=(const QnLockGc& other)
{
    if (this != &other) {
        if (other.cs_)
            other.cs_->Enter();
        if (cs_)
            cs_->Leave();
        cs_ = other.cs_;
    }
    return *this;
}

QnLockGc::~QnLockGc()
{
    if (cs_)
        cs_->Leave();
}

QnDisableGc::QnDisableGc() : saved_(QnObj::EnableGc(0)) {}

QnDisableGc& QnDisableGc::operator=(const QnDisableGc& other)
{
    saved_ = other.saved_;
    return *this;
}

QnDisableGc::~QnDisableGc() { QnObj::EnableGc(saved_); }

std::atomic<int32_t> QnForceGCOnExit::cnt{0};

QnForceGCOnExit::QnForceGCOnExit() { ++cnt; }

QnForceGCOnExit::~QnForceGCOnExit()
{
    if (cnt.fetch_sub(1) == 1)
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
}
