// The collector's working state and passes (internal to the library).
#pragma once

#include "gc/QnObj.h"

class QnCollector {
public:
    static int32_t Run(QnObj::DF mode, int32_t discard, int32_t* deleted, int32_t* dropped);
    // A collection that keeps the caches while they hold no more objects
    // than the live data (and at least minCached), and drops them all once
    // they hold more: whatever was computed and is no longer reached does
    // not pile up until memory runs short. Cheaper than keeping the most
    // recently used part: no positions, no trials.
    static int32_t RunWithCacheBudget(QnObj::DF mode, int32_t minCached);

    // Set while a collection runs on the thread that holds QnObj::cs.
    static bool running;
    // Set while the sweep runs: objects registered then lie in front of it.
    static bool sweeping;
    // Next object of the sweep; RevokeObject moves it past a revoked object.
    static QnObj* sweepCursor;
    // Set when an object is registered while a collection runs.
    static bool registeredWhileRunning;

private:
    static int32_t Collect(QnObj::DF mode, int32_t discard, int32_t minCached, int32_t* deleted, int32_t* dropped);
    static void ProtectPass();
    static void MarkPass(QnObj::Visitor discardableVisitor);
    static void RescuePass(int32_t discard);
    static void KeepCandidates();
    static void NotifyPass();
    static void NotifyOwner(QnObj* owner);
    static void Sweep(int32_t& deleted, int32_t& dropped);

    static void Traverse(QnObj* start, QnObj::Visitor fixedVisitor, QnObj::Visitor discardableVisitor);
    // The marking visitors do not read a target's flags when it is
    // reported: they fetch it and queue it a few targets deep, and handle
    // it once it leaves the queue, so that several fetches are in flight
    // while the marking works on objects already at hand.
    static void Defer(QnObj* obj, QnObj::Visitor handle);
    // Handles the oldest queued target; false when none is queued.
    static bool HandleOldestDeferred();
    static void Push(QnObj* obj);
    static QnObj* Pop();
    static void ReverseStack();
    static void NumberPositions();

    static void FixObject(QnObj* obj);
    static void DiscardObject(QnObj* obj, bool trial);
    static void AddToTrial(QnObj* obj, uint32_t oldFlags);
    static void UndoTrial();
    static void CommitTrial();
    static bool IsCandidate(const QnObj* obj);

    // Visitors handed to the marking operations.
    static void MF_Protect(QnObj* obj);
    static void MF_Fix(QnObj* obj);
    static void MF_Discard(QnObj* obj);
    static void MF_FixProtected(QnObj* obj);
    // What the deferred visitors above do once a target leaves the queue.
    static void FixTarget(QnObj* obj);
    static void DiscardTarget(QnObj* obj);
    static void FixProtectedTarget(QnObj* obj);
    static void MF_FixTmp(QnObj* obj);
    static void MF_DiscardTmp(QnObj* obj);
    static void MF_Enum(QnObj* obj);
    static void EnumTarget(QnObj* obj);
    // Called by the mark pass's discardable visitors for the object whose
    // links are being reported.
    static void RecordOwner();
    static void Tell(QnObj* owner, QnObj* target);

    static int32_t discardable; // candidates: discardable bit without kept bit
    static int32_t kept;        // objects kept by the mark pass
    static QnObj* markStack;
    static QnObj* trialList;
    static QnObj* earliest;     // earliest new candidate of a rescue step

    struct Deferred {
        QnObj* obj;
        QnObj::Visitor handle;
    };
    // Deep enough to cover a miss to memory with the visits in between.
    static constexpr unsigned kDeferDepth = 16;
    static Deferred deferred[kDeferDepth];
    static unsigned deferredNext; // the slot written next: the oldest entry
    static unsigned deferredCount;

    // The targets of one owner's notices, gathered in the order reported:
    // the first ones in an array, which the notices then read with the
    // fetches ahead that a chain through the objects cannot have, any more
    // on the mark stack.
    static constexpr size_t kNoticeArray = size_t(1) << 16;
    static QnObj* notices[kNoticeArray];
    static size_t noticeCount;

    // The objects that reported discardable links in the mark pass, each
    // once: the owners that notices can go to, without a walk over the
    // whole list. Not known (the list is walked) after a rescue pass, which
    // keeps more objects, after objects were registered during the
    // collection, or when more owners reported than the array holds.
    static constexpr size_t kOwnerArray = size_t(1) << 14;
    static QnObj* owners[kOwnerArray];
    static size_t ownerCount;
    static bool ownersKnown;
    static QnObj* reporting; // the object whose links are being reported
};
