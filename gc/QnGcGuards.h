// Scope guards around the collector.
#pragma once

#include "base/QnCriticalSection.h"
#include "gc/QnGcSection.h"
#include "gc/QnObj.h"

#include <atomic>
#include <cstdint>

// Holds the collector's section for its lifetime, keeping collections out
// while the holder reads or changes links that the collector follows.
//
// It is also how threads other than the collector's work with collectable
// objects: a collection must never run while another thread follows a link
// to lock its target, so such a thread makes, reaches and links objects
// only while it holds the section (evaluations and compilations take it
// themselves). Debug builds stop a thread that registers or collects
// objects off the collector's thread without it.
class QnLockGc {
public:
    // Inline: the machine takes the lock for every cached link it reads or
    // writes, while it holds the section already.
    QnLockGc() : cs_(&QnObj::cs) { QnGcSection::Enter(); }
    QnLockGc(const QnLockGc& other);
    QnLockGc& operator=(const QnLockGc& other);
    ~QnLockGc()
    {
        if (cs_)
            QnGcSection::Leave();
    }

    // Whether the calling thread holds the section.
    static bool HeldByThisThread();
    // For a long holder, at a point where it holds every object it needs
    // through handles: when the calling thread holds the section once and
    // other threads wait for it, leaves it, lets them run, and enters again.
    static void LetOthersIn();

private:
    QnCriticalSection* cs_ = nullptr;
};

// Clears QnObj::fEnabled for its lifetime and restores the saved value.
// Collections do not read the flag.
class QnDisableGc {
public:
    QnDisableGc();
    QnDisableGc(const QnDisableGc&) = default;
    QnDisableGc& operator=(const QnDisableGc& other);
    ~QnDisableGc();

private:
    int32_t saved_;
};

// When the last live instance goes away, every object that nothing locked
// reaches is collected, caches included.
class QnForceGCOnExit {
public:
    QnForceGCOnExit();
    QnForceGCOnExit(const QnForceGCOnExit&) : QnForceGCOnExit() {}
    QnForceGCOnExit& operator=(const QnForceGCOnExit&) { return *this; }
    ~QnForceGCOnExit();

    static std::atomic<int32_t> cnt;
};
