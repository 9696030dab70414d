// Scope guards around the collector.
#pragma once

#include "base/QnCriticalSection.h"

#include <atomic>
#include <cstdint>

// Holds the collector's section for its lifetime, keeping collections out
// while the holder reads or changes links that the collector follows.
class QnLockGc {
public:
    QnLockGc();
    QnLockGc(const QnLockGc& other);
    QnLockGc& operator=(const QnLockGc& other);
    ~QnLockGc();

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
