// A re-entrant critical section and the guard that holds it for a scope.
#pragma once

#include <mutex>

class QnCriticalSection {
public:
    void Enter() { mutex_.lock(); }
    void Leave() { mutex_.unlock(); }
    bool TryEnter() { return mutex_.try_lock(); }

private:
    std::recursive_mutex mutex_;
};

class QnCriticalSectionLock {
public:
    explicit QnCriticalSectionLock(QnCriticalSection& cs) : cs_(cs) { cs_.Enter(); }
    ~QnCriticalSectionLock() { cs_.Leave(); }
    QnCriticalSectionLock(const QnCriticalSectionLock&) = delete;
    QnCriticalSectionLock& operator=(const QnCriticalSectionLock&) = delete;

private:
    QnCriticalSection& cs_;
};
