#include "gc/QnGcGuards.h"

#include "gc/QnGcSection.h"
#include "gc/QnObj.h"

#include <thread>

namespace {
thread_local int heldDepth = 0;
std::atomic<int> waiting{0};
} // namespace

void QnGcSection::Enter()
{
    if (!QnObj::cs.TryEnter()) {
        waiting.fetch_add(1, std::memory_order_relaxed);
        QnObj::cs.Enter();
        waiting.fetch_sub(1, std::memory_order_relaxed);
    }
    ++heldDepth;
}

void QnGcSection::Leave()
{
    --heldDepth;
    QnObj::cs.Leave();
}

int QnGcSection::HeldDepth() { return heldDepth; }

bool QnGcSection::OthersWaiting() { return waiting.load(std::memory_order_relaxed) > 0; }

// QnLockGc's section is QnObj::cs or none (null).
QnLockGc::QnLockGc() : cs_(&QnObj::cs) { QnGcSection::Enter(); }

QnLockGc::QnLockGc(const QnLockGc& other) : cs_(other.cs_)
{
    if (cs_)
        QnGcSection::Enter();
}

QnLockGc& QnLockGc::operator=(const QnLockGc& other)
{
    if (this != &other) {
        if (other.cs_)
            QnGcSection::Enter();
        if (cs_)
            QnGcSection::Leave();
        cs_ = other.cs_;
    }
    return *this;
}

QnLockGc::~QnLockGc()
{
    if (cs_)
        QnGcSection::Leave();
}

bool QnLockGc::HeldByThisThread() { return QnGcSection::HeldDepth() > 0; }

void QnLockGc::LetOthersIn()
{
    if (QnGcSection::HeldDepth() != 1 || !QnGcSection::OthersWaiting())
        return;
    QnGcSection::Leave();
    std::this_thread::yield();
    QnGcSection::Enter();
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
