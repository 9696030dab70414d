// The base of every collectable object: its lock and protect counts, its
// place in the one global list kept in order of last use, and the links it
// reports to the collector.
#pragma once

#include "base/QnCriticalSection.h"

#include <atomic>
#include <cassert>
#include <cstddef>
#include <cstdint>

class QnObj {
public:
    // Collection modes: what becomes of the targets of discardable links.
    enum DF : int32_t {
        DF_FIX = 0,           // followed like fixed links; nothing is dropped
        DF_FIX_PROTECTED = 1, // kept when a protected object reaches them, else dropped
        DF_DISCARD = 2,       // dropped unless a fixed link keeps them
    };
    // Visitor that a marking operation calls once per link target.
    using Visitor = void (*)(QnObj*);

    // Guards the list, the object count, registration, Used() and every
    // collection. Re-entrant for the thread that holds it.
    static QnCriticalSection cs;
    // Number of registered objects.
    static int32_t num;
    // Front of the list: the most recently used object. Read without the
    // section only by Used()'s fast path.
    static std::atomic<QnObj*> pObjList;
    // Kept for callers that save and restore it; collections do not read it.
    static int32_t fEnabled;

    // Moves the object to the front of the list (it was just used). Cheap
    // when the object is at the front already, as a hot object is.
    void Used() const
    {
        if (pObjList.load(std::memory_order_relaxed) != this)
            MoveToFront();
    }
    // Used() on obj unless it is null: what a handle does when dereferenced.
    // The front test comes first, so a hot object costs one comparison.
    static void UsedIfAny(const QnObj* obj)
    {
        if (obj != pObjList.load(std::memory_order_relaxed) && obj)
            obj->MoveToFront();
    }

    static int32_t GetTotalNumberOfObjects();
    // Stores on and returns the previous value.
    static int32_t EnableGc(int32_t on);
    static int32_t DisableGc() { return EnableGc(0); }

    // Deletes every registered object that no locked object reaches and,
    // by mode, drops caches. discard: -1 (or any negative number) drops every
    // drop candidate, n >= 0 drops at least n of them, least recently used
    // first, and keeps the others. Returns the number of objects deleted;
    // deleted and dropped (when given) receive the numbers deleted and, of
    // those, dropped as caches. A collection asked for while one runs (from a
    // destructor, say) does nothing and returns 0.
    static int32_t CollectGarbage(DF mode = DF_FIX, int32_t discard = -1,
                                  int32_t* deleted = nullptr, int32_t* dropped = nullptr);

    // The collector checks in debug builds that objects are registered, used
    // and collected on one thread: the first that does so, or the one that
    // calls this.
    static void SetGcThread();

    // For diagnostics and tests.
    int32_t LockCount() const { return lockCount_.load(std::memory_order_acquire); }
    int32_t ProtectCount() const { return protectCount_.load(std::memory_order_acquire); }
    bool IsRegistered() const;
    // The neighbour toward the less recently used end (read under QnLockGc).
    QnObj* NextInList() const { return next_; }

protected:
    QnObj() noexcept = default;
    // A copy starts afresh: unlocked, unregistered.
    QnObj(const QnObj&) noexcept {}
    QnObj& operator=(const QnObj&) noexcept { return *this; }

private:
    // Deletes the object; called only by the collector after unlinking it.
    // Classes whose objects are statics override it to do nothing.
    virtual void DeleteObject();

protected:
    virtual ~QnObj();
    // Report each target of a fixed link (one that keeps its target alive).
    virtual void MarkFixedObjects(Visitor visit);
    // Report each target of a discardable link (a cache entry), once each.
    virtual void MarkDiscardableObjects(Visitor visit);
    // The target obj of a discardable link is about to be deleted: forget it.
    virtual void NoteObjectDiscarded(QnObj* obj);
    // The same for every target for which dropped answers true, at once:
    // an object that holds many caches (a sharing table) forgets them in
    // one pass over itself and answers true; one that answers false (the
    // base) is told of each through NoteObjectDiscarded.
    virtual bool NoteObjectsDiscarded(bool (*dropped)(const QnObj* obj));

    // Links the object into the list; a second call does nothing.
    void RegisterObject();
    // Unlinks the object; an owner that deletes an object itself calls this
    // first. Does nothing for an unregistered object.
    void RevokeObject();

    // Interlocked changes of the counts: nonzero on = +1, zero = -1.
    void Lock(int on) const
    {
        if (on) {
            lockCount_.fetch_add(1, std::memory_order_relaxed);
        } else {
            [[maybe_unused]] const int32_t was = lockCount_.fetch_sub(1, std::memory_order_release);
            assert(was > 0 && "unlocking an object that holds no lock");
        }
    }
    void Protect(int on) const
    {
        if (on) {
            protectCount_.fetch_add(1, std::memory_order_relaxed);
            protections.fetch_add(1, std::memory_order_relaxed);
        } else {
            [[maybe_unused]] const int32_t was = protectCount_.fetch_sub(1, std::memory_order_release);
            assert(was > 0 && "unprotecting an object that holds no protection");
            protections.fetch_sub(1, std::memory_order_release);
        }
    }
    // Protections held on all objects together: the protect pass has
    // nothing to find while there are none.
    static std::atomic<int64_t> protections;

    // Collectable objects come from the collecting allocator, whose totals
    // start collections.
    static void* operator new(size_t size);
    static void operator delete(void* p) noexcept;

private:
    friend class QnCollector;
    friend class QnObjLock;
    friend class QnObjProtect;
    friend struct QnObjCreator;
    template <class> friend class QnPp;

    enum Flag : uint32_t {
        F_KEPT = 1,           // reached in the running collection
        F_PROTECT_MARKED = 2, // reached from a protected object
        F_DISCARDABLE = 4,    // reached through a discardable link
        F_REGISTERED = 8,
        F_NOTED = 16,         // gathered for a discard notice
    };

    void MarkObjects(Visitor fixedVisitor, Visitor discardableVisitor)
    {
        MarkFixedObjects(fixedVisitor);
        MarkDiscardableObjects(discardableVisitor);
    }
    bool IsLocked() const { return lockCount_.load(std::memory_order_acquire) > 0; }
    bool IsProtected() const { return protectCount_.load(std::memory_order_acquire) > 0; }
    void SetF(uint32_t f) { flags_ |= f; }
    void ClrF(uint32_t f) { flags_ &= ~f; }
    bool TestF(uint32_t f) const { return (flags_ & f) != 0; }
    void InsertToList();
    void DeleteFromList();
    void MoveToFront() const;

    mutable std::atomic<int32_t> lockCount_{0};
    mutable std::atomic<int32_t> protectCount_{0};
    QnObj* next_ = nullptr;      // toward the less recently used end
    QnObj* prev_ = nullptr;      // toward the most recently used end
    QnObj* markLink_ = nullptr;  // the collector's mark stack
    QnObj* trialLink_ = nullptr; // the collector's trial list
    int32_t trial_ = 0;          // nonzero while on the trial list
    int32_t position_ = 0;       // index in the list, for the rescue pass
    uint32_t flags_ = 0;
    uint32_t savedFlags_ = 0;    // flags before a trial step, for undo
};
