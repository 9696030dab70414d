#include "gc/QnObj.h"

#include "base/QnMemAlloc.h"
#include "gc/QnCollector.h"
#include "gc/QnGcSection.h"
#include "gc/QnGcThread.h"
#include "gc/QnStdAlloc.h"

QnCriticalSection QnObj::cs;
int32_t QnObj::num = 0;
std::atomic<QnObj*> QnObj::pObjList{nullptr};
int32_t QnObj::fEnabled = 1;
std::atomic<int64_t> QnObj::protections{0};

QnObj::~QnObj()
{
    assert(!TestF(F_REGISTERED) && "a registered object deleted without RevokeObject");
}

void QnObj::DeleteObject() { delete this; }

void QnObj::MarkFixedObjects(Visitor) {}

void QnObj::MarkDiscardableObjects(Visitor) {}

void QnObj::NoteObjectDiscarded(QnObj*) {}

bool QnObj::NoteObjectsDiscarded(bool (*)(const QnObj*)) { return false; }

void* QnObj::operator new(size_t size)
{
    if (void* p = QnOperatorNew(size, &QnStdAlloc::stdalloc))
        return p;
    qn_standard_new_handler(0);
}

void QnObj::operator delete(void* p) noexcept { QnOperatorDelete(p); }

void QnObj::InsertToList()
{
    QnObj* front = pObjList.load(std::memory_order_relaxed);
    prev_ = nullptr;
    next_ = front;
    if (front)
        front->prev_ = this;
    pObjList.store(this, std::memory_order_relaxed);
    ++num;
}

void QnObj::DeleteFromList()
{
    if (prev_)
        prev_->next_ = next_;
    else
        pObjList.store(next_, std::memory_order_relaxed);
    if (next_)
        next_->prev_ = prev_;
    prev_ = next_ = nullptr;
    --num;
}

void QnObj::RegisterObject()
{
    QnCheckGcThread();
    QnGcSectionLock lock;
    if (TestF(F_REGISTERED))
        return;
    InsertToList();
    SetF(F_REGISTERED);
    // Made by a marking operation or a notice during a collection: the sweep
    // must not take it for garbage. (One made during the sweep lies in front
    // of it and is never visited.)
    if (QnCollector::running && !QnCollector::sweeping) {
        SetF(F_KEPT);
        QnCollector::registeredWhileRunning = true;
    }
}

void QnObj::RevokeObject()
{
    QnCheckGcThread();
    QnGcSectionLock lock;
    if (!TestF(F_REGISTERED))
        return;
    if (QnCollector::sweepCursor == this)
        QnCollector::sweepCursor = next_;
    DeleteFromList();
    // No collection bits may survive into a later registration.
    flags_ = 0;
}

bool QnObj::IsRegistered() const
{
    QnGcSectionLock lock;
    return TestF(F_REGISTERED);
}

void QnObj::MoveToFront() const
{
    QnCheckGcThread();
    QnGcSectionLock lock;
    // During a collection the order is the collector's: the sweep walks it.
    if (!TestF(F_REGISTERED) || QnCollector::running || pObjList.load(std::memory_order_relaxed) == this)
        return;
    QnObj* self = const_cast<QnObj*>(this);
    // Unlink (self is not the front, so it has a previous neighbour) ...
    prev_->next_ = next_;
    if (next_)
        next_->prev_ = prev_;
    // ... and link at the front.
    QnObj* front = pObjList.load(std::memory_order_relaxed);
    self->prev_ = nullptr;
    self->next_ = front;
    front->prev_ = self;
    pObjList.store(self, std::memory_order_relaxed);
}

int32_t QnObj::GetTotalNumberOfObjects()
{
    QnGcSectionLock lock;
    return num;
}

int32_t QnObj::EnableGc(int32_t on)
{
    QnGcSectionLock lock;
    const int32_t previous = fEnabled;
    fEnabled = on;
    return previous;
}

int32_t QnObj::CollectGarbage(DF mode, int32_t discard, int32_t* deleted, int32_t* dropped)
{
    return QnCollector::Run(mode, discard, deleted, dropped);
}

void QnObj::SetGcThread() { QnBindGcThread(); }
