#include "gc/QnGcGuards.h"

#include "gc/QnGcSection.h"
#include "gc/QnObj.h"

#include <thread>

__thread int qnGcHeldDepth __attribute__((tls_model("initial-exec"))) = 0;

namespace {
std::atomic<int> waiting{0};
} // namespace

void QnGcSection::EnterFirst()
{
    if (!QnObj::cs.TryEnter()) {
        waiting.fetch_add(1, std::memory_order_relaxed);
        QnObj::cs.Enter();
        waiting.fetch_sub(1, std::memory_order_relaxed);
    }
    qnGcHeldDepth = 1;
}

void QnGcSection::LeaveLast()
{
    qnGcHeldDepth = 0;
    QnObj::cs.Leave();
}

bool QnGcSection::OthersWaiting() { return waiting.load(std::memory_order_relaxed) > 0; }

// QnLockGc's section is QnObj::cs or none (null).

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
