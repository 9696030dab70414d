#include "gc/QnGcGuards.h"

#include "gc/QnGcSection.h"
#include "gc/QnObj.h"

#include <thread>

namespace {
// The library is loaded with the program, so its thread-local data can be
// reached without a call.
thread_local int heldDepth __attribute__((tls_model("initial-exec"))) = 0;
std::atomic<int> waiting{0};
} // namespace

// The mutex is taken by the outermost entry only: a thread that holds the
// section already (the machine, for a whole evaluation) just counts.
void QnGcSection::Enter()
{
    if (heldDepth > 0) {
        ++heldDepth;
        return;
    }
    if (!QnObj::cs.TryEnter()) {
        waiting.fetch_add(1, std::memory_order_relaxed);
        QnObj::cs.Enter();
        waiting.fetch_sub(1, std::memory_order_relaxed);
    }
    heldDepth = 1;
}

void QnGcSection::Leave()
{
    if (--heldDepth == 0)
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
