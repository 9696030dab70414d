// The collection: protect pass, mark pass, rescue pass, discard notices and
// sweep, all under QnObj::cs. Marking uses the intrusive mark stack and trial
// list in the objects themselves and a few fixed arrays, so a collection
// allocates nothing.
#include "gc/QnCollector.h"

#include "base/QnFatalExit.h"
#include "gc/QnGcSection.h"
#include "gc/QnGcThread.h"

namespace {
// Where an exception that escaped a collection is reported; logs and
// support know the failure by this place.
constexpr const char* kFaultFile = "gc";
constexpr int kFaultLine = 390;
} // namespace

bool QnCollector::running = false;
bool QnCollector::sweeping = false;
QnObj* QnCollector::sweepCursor = nullptr;
int32_t QnCollector::discardable = 0;
int32_t QnCollector::kept = 0;
QnObj* QnCollector::markStack = nullptr;
QnObj* QnCollector::trialList = nullptr;
QnObj* QnCollector::earliest = nullptr;
QnCollector::Deferred QnCollector::deferred[QnCollector::kDeferDepth] = {};
unsigned QnCollector::deferredNext = 0;
unsigned QnCollector::deferredCount = 0;
QnObj* QnCollector::notices[QnCollector::kNoticeArray] = {};
size_t QnCollector::noticeCount = 0;
bool QnCollector::registeredWhileRunning = false;
QnObj* QnCollector::owners[QnCollector::kOwnerArray] = {};
size_t QnCollector::ownerCount = 0;
bool QnCollector::ownersKnown = false;
QnObj* QnCollector::reporting = nullptr;

int32_t QnCollector::Run(QnObj::DF mode, int32_t discard, int32_t* deleted, int32_t* dropped)
{
    return Collect(mode, discard, -1, deleted, dropped);
}

int32_t QnCollector::RunWithCacheBudget(QnObj::DF mode, int32_t minCached)
{
    return Collect(mode, -1, minCached, nullptr, nullptr);
}

int32_t QnCollector::Collect(QnObj::DF mode, int32_t discard, int32_t minCached, int32_t* deleted,
                             int32_t* dropped)
{
    if (deleted)
        *deleted = 0;
    if (dropped)
        *dropped = 0;
    QnCheckGcThread();
    QnGcSectionLock lock;
    // A destructor or a notice that allocates may ask for a collection while
    // this one has the list half marked: it has to wait for the next one.
    if (running)
        return 0;
    running = true;
    registeredWhileRunning = false;
    ownerCount = 0;
    ownersKnown = true;

    int32_t nDeleted = 0;
    int32_t nDropped = 0;
    try {
        if (mode == QnObj::DF_FIX_PROTECTED && QnObj::protections.load(std::memory_order_acquire) > 0)
            ProtectPass();
        QnObj::Visitor discardableVisitor = mode == QnObj::DF_FIX_PROTECTED ? MF_FixProtected
                                          : mode == QnObj::DF_DISCARD       ? MF_Discard
                                                                            : MF_Fix;
        MarkPass(discardableVisitor);
        if (minCached >= 0 && discardable <= (kept > minCached ? kept : minCached))
            KeepCandidates();
        if (discard >= 0 && discardable > discard) {
            RescuePass(discard);
            ownersKnown = false;
        }
        if (discardable > 0)
            NotifyPass();
        Sweep(nDeleted, nDropped);
    } catch (...) {
        // The list is half marked and half swept; nothing can be trusted.
        QnFatalExit(kFaultFile, kFaultLine);
    }
    running = false;

    if (deleted)
        *deleted = nDeleted;
    if (dropped)
        *dropped = nDropped;
    return nDeleted;
}

// --- mark stack and traversal ---------------------------------------------

void QnCollector::Push(QnObj* obj)
{
    obj->markLink_ = markStack;
    markStack = obj;
}

QnObj* QnCollector::Pop()
{
    QnObj* obj = markStack;
    if (obj) {
        markStack = obj->markLink_;
        obj->markLink_ = nullptr;
    }
    return obj;
}

void QnCollector::ReverseStack()
{
    QnObj* reversed = nullptr;
    while (QnObj* obj = markStack) {
        markStack = obj->markLink_;
        obj->markLink_ = reversed;
        reversed = obj;
    }
    markStack = reversed;
}

void QnCollector::Defer(QnObj* obj, QnObj::Visitor handle)
{
    // The flags and the mark-stack link, then the vtable and the links the
    // object will report when popped.
    __builtin_prefetch(&obj->flags_, 1);
    __builtin_prefetch(obj, 1);
    Deferred& slot = deferred[deferredNext];
    const Deferred oldest = slot;
    slot = {obj, handle};
    deferredNext = (deferredNext + 1) % kDeferDepth;
    if (oldest.obj)
        oldest.handle(oldest.obj);
    else
        ++deferredCount;
}

bool QnCollector::HandleOldestDeferred()
{
    if (deferredCount == 0)
        return false;
    for (;; deferredNext = (deferredNext + 1) % kDeferDepth) {
        Deferred& slot = deferred[deferredNext];
        if (slot.obj) {
            const Deferred oldest = slot;
            slot.obj = nullptr;
            --deferredCount;
            oldest.handle(oldest.obj);
            return true;
        }
    }
}

void QnCollector::Traverse(QnObj* start, QnObj::Visitor fixedVisitor, QnObj::Visitor discardableVisitor)
{
    reporting = start;
    start->MarkObjects(fixedVisitor, discardableVisitor);
    for (;;) {
        if (QnObj* obj = Pop()) {
            reporting = obj;
            obj->MarkObjects(fixedVisitor, discardableVisitor);
        } else if (!HandleOldestDeferred()) {
            break;
        }
    }
    reporting = nullptr;
}

bool QnCollector::IsCandidate(const QnObj* obj)
{
    return (obj->flags_ & (QnObj::F_KEPT | QnObj::F_DISCARDABLE)) == QnObj::F_DISCARDABLE;
}

// --- visitors ---------------------------------------------------------------
// Each ignores null and unregistered targets: an unregistered object is
// invisible to the collector, and bits set on it would never be cleared.

void QnCollector::FixObject(QnObj* obj)
{
    if (obj->TestF(QnObj::F_KEPT))
        return;
    obj->SetF(QnObj::F_KEPT);
    Push(obj);
    ++kept;
    if (obj->TestF(QnObj::F_DISCARDABLE))
        --discardable;
}

void QnCollector::DiscardObject(QnObj* obj, bool trial)
{
    if (obj->flags_ & (QnObj::F_KEPT | QnObj::F_DISCARDABLE))
        return;
    if (trial)
        AddToTrial(obj, obj->flags_);
    obj->SetF(QnObj::F_DISCARDABLE);
    ++discardable;
    if (trial && (!earliest || obj->position_ < earliest->position_))
        earliest = obj;
}

void QnCollector::MF_Protect(QnObj* obj)
{
    if (!obj || !obj->TestF(QnObj::F_REGISTERED) || obj->TestF(QnObj::F_PROTECT_MARKED))
        return;
    obj->SetF(QnObj::F_PROTECT_MARKED);
    Push(obj);
}

void QnCollector::MF_Fix(QnObj* obj)
{
    if (obj)
        Defer(obj, FixTarget);
}

void QnCollector::MF_Discard(QnObj* obj)
{
    if (!obj)
        return;
    RecordOwner();
    Defer(obj, DiscardTarget);
}

void QnCollector::MF_FixProtected(QnObj* obj)
{
    if (!obj)
        return;
    RecordOwner();
    Defer(obj, FixProtectedTarget);
}

void QnCollector::RecordOwner()
{
    // An object reports all its links in one go and is traversed once.
    if (ownerCount > 0 && owners[ownerCount - 1] == reporting)
        return;
    if (ownerCount < kOwnerArray)
        owners[ownerCount++] = reporting;
    else
        ownersKnown = false;
}

void QnCollector::FixTarget(QnObj* obj)
{
    if (obj->TestF(QnObj::F_REGISTERED))
        FixObject(obj);
}

void QnCollector::DiscardTarget(QnObj* obj)
{
    if (obj->TestF(QnObj::F_REGISTERED))
        DiscardObject(obj, false);
}

void QnCollector::FixProtectedTarget(QnObj* obj)
{
    if (!obj->TestF(QnObj::F_REGISTERED))
        return;
    if (obj->TestF(QnObj::F_PROTECT_MARKED))
        FixObject(obj);
    else
        DiscardObject(obj, false);
}

void QnCollector::MF_FixTmp(QnObj* obj)
{
    if (!obj || !obj->TestF(QnObj::F_REGISTERED) || obj->TestF(QnObj::F_KEPT))
        return;
    AddToTrial(obj, obj->flags_);
    FixObject(obj);
}

void QnCollector::MF_DiscardTmp(QnObj* obj)
{
    if (obj && obj->TestF(QnObj::F_REGISTERED))
        DiscardObject(obj, true);
}

// Gathers the candidates among an owner's discardable links, each once even
// when the owner reports it twice (a second push would loop the stack).
void QnCollector::MF_Enum(QnObj* obj)
{
    if (obj)
        Defer(obj, EnumTarget);
}

void QnCollector::EnumTarget(QnObj* obj)
{
    if (!IsCandidate(obj) || obj->TestF(QnObj::F_NOTED))
        return;
    obj->SetF(QnObj::F_NOTED);
    if (noticeCount < kNoticeArray)
        notices[noticeCount++] = obj;
    else
        Push(obj);
}

void QnCollector::Tell(QnObj* owner, QnObj* target)
{
    target->ClrF(QnObj::F_NOTED);
    owner->NoteObjectDiscarded(target);
}

// --- passes -----------------------------------------------------------------

void QnCollector::ProtectPass()
{
    for (QnObj* obj = QnObj::pObjList.load(std::memory_order_relaxed); obj; obj = obj->next_) {
        if (obj->IsProtected() && !obj->TestF(QnObj::F_PROTECT_MARKED)) {
            obj->SetF(QnObj::F_PROTECT_MARKED);
            Traverse(obj, MF_Protect, MF_Protect);
        }
    }
}

void QnCollector::MarkPass(QnObj::Visitor discardableVisitor)
{
    discardable = 0;
    kept = 0;
    earliest = nullptr;
    for (QnObj* obj = QnObj::pObjList.load(std::memory_order_relaxed); obj; obj = obj->next_) {
        if (obj->IsLocked() && !obj->TestF(QnObj::F_KEPT)) {
            if (obj->TestF(QnObj::F_DISCARDABLE))
                --discardable;
            obj->SetF(QnObj::F_KEPT);
            ++kept;
            Traverse(obj, MF_Fix, discardableVisitor);
        }
    }
}

void QnCollector::NumberPositions()
{
    int32_t n = 0;
    for (QnObj* obj = QnObj::pObjList.load(std::memory_order_relaxed); obj; obj = obj->next_)
        obj->position_ = n++;
}

void QnCollector::AddToTrial(QnObj* obj, uint32_t oldFlags)
{
    if (obj->trial_)
        return;
    obj->savedFlags_ = oldFlags;
    obj->trial_ = 1;
    obj->trialLink_ = trialList;
    trialList = obj;
}

void QnCollector::UndoTrial()
{
    while (QnObj* obj = trialList) {
        trialList = obj->trialLink_;
        if (IsCandidate(obj))
            --discardable;
        obj->flags_ = obj->savedFlags_;
        if (IsCandidate(obj))
            ++discardable;
        obj->trial_ = 0;
        obj->trialLink_ = nullptr;
    }
}

void QnCollector::CommitTrial()
{
    while (QnObj* obj = trialList) {
        trialList = obj->trialLink_;
        obj->trial_ = 0;
        obj->trialLink_ = nullptr;
    }
}

// Keeps drop candidates from the most recently used end, each with what it
// reaches, for as long as at least discard candidates remain to go.
void QnCollector::RescuePass(int32_t discard)
{
    // Positions serve only this pass, so only collections that run it pay
    // for writing them.
    NumberPositions();
    QnObj* q = QnObj::pObjList.load(std::memory_order_relaxed);
    while (q) {
        earliest = nullptr;
        trialList = nullptr;
        if (IsCandidate(q)) {
            AddToTrial(q, q->flags_);
            q->SetF(QnObj::F_KEPT);
            --discardable;
            Traverse(q, MF_FixTmp, MF_DiscardTmp);
        }
        if (discardable < discard) {
            UndoTrial();
            return;
        }
        CommitTrial();
        // The rescue may have made new candidates earlier in the list; they
        // are more recently used than anything after q, so they come first.
        q = earliest && earliest->position_ < q->position_ ? earliest : q->next_;
    }
}

// Keeps every drop candidate, with what it reaches: the outcome of a
// collection that follows discardable links like fixed ones.
void QnCollector::KeepCandidates()
{
    for (QnObj* obj = QnObj::pObjList.load(std::memory_order_relaxed); obj; obj = obj->next_) {
        if (IsCandidate(obj)) {
            obj->SetF(QnObj::F_KEPT);
            --discardable;
            Traverse(obj, MF_Fix, MF_Fix);
        }
    }
}

// Owners are told in the order the mark pass reached them when it saw them
// all, else in the order of the list.
void QnCollector::NotifyPass()
{
    if (ownersKnown && !registeredWhileRunning) {
        for (size_t i = 0; i < ownerCount; ++i)
            if (owners[i]->TestF(QnObj::F_KEPT))
                NotifyOwner(owners[i]);
    } else {
        for (QnObj* owner = QnObj::pObjList.load(std::memory_order_relaxed); owner; owner = owner->next_)
            if (owner->TestF(QnObj::F_KEPT))
                NotifyOwner(owner);
    }
    ownerCount = 0;
}

void QnCollector::NotifyOwner(QnObj* owner)
{
    if (owner->NoteObjectsDiscarded(IsCandidate))
        return;
    // Gather first: the owner forgets links while it is told, and must not
    // do so while it enumerates them.
    owner->MarkDiscardableObjects(MF_Enum);
    while (HandleOldestDeferred()) {
    }
    // In the order reported: the array, then the stack from its bottom.
    constexpr size_t kAhead = 8;
    for (size_t i = 0; i < noticeCount; ++i) {
        if (i + kAhead < noticeCount) {
            // Its flags, and the first fields past the base, where an owner
            // finds what it keys the target by.
            const QnObj* next = notices[i + kAhead];
            __builtin_prefetch(&next->flags_, 1);
            __builtin_prefetch(reinterpret_cast<const char*>(next) + sizeof(QnObj) + 16);
        }
        Tell(owner, notices[i]);
    }
    ReverseStack();
    while (QnObj* target = Pop())
        Tell(owner, target);
    noticeCount = 0;
}

void QnCollector::Sweep(int32_t& deleted, int32_t& dropped)
{
    sweeping = true;
    QnObj* obj = QnObj::pObjList.load(std::memory_order_relaxed);
    while (obj) {
        // A destructor may revoke the next object; RevokeObject moves the
        // cursor past it.
        sweepCursor = obj->next_;
        if (obj->TestF(QnObj::F_KEPT)) {
            obj->ClrF(QnObj::F_KEPT | QnObj::F_PROTECT_MARKED | QnObj::F_DISCARDABLE);
        } else {
            if (obj->TestF(QnObj::F_DISCARDABLE))
                ++dropped;
            obj->DeleteFromList();
            // Unregistered now: a destructor that revokes its own object
            // finds nothing left to unlink.
            obj->flags_ = 0;
            obj->DeleteObject();
            ++deleted;
        }
        obj = sweepCursor;
    }
    sweepCursor = nullptr;
    sweeping = false;
}
