// Entering and leaving QnObj::cs, as every part of the library does: it
// counts how deep the calling thread holds the section and how many other
// threads wait for it, so that a long holder (an evaluation) can let them
// in now and then, and so that debug builds can tell whether a thread other
// than the collector's works with objects inside the section.
#pragma once

#include "gc/QnObj.h"

// How many times the calling thread holds the section (0: not at all).
// Initial-exec: the library is loaded with the program, so the count is
// read without a call.
extern __thread int qnGcHeldDepth __attribute__((tls_model("initial-exec")));

namespace QnGcSection {
// Take and release the mutex: the outermost entry and exit only.
void EnterFirst();
void LeaveLast();
// A thread that holds the section already (the machine, for a whole
// evaluation) just counts, inline.
inline void Enter()
{
    if (qnGcHeldDepth > 0)
        ++qnGcHeldDepth;
    else
        EnterFirst();
}
inline void Leave()
{
    if (qnGcHeldDepth > 1)
        --qnGcHeldDepth;
    else
        LeaveLast();
}
// How many times the calling thread holds the section now.
inline int HeldDepth() { return qnGcHeldDepth; }
// Whether another thread is waiting to enter.
bool OthersWaiting();
} // namespace QnGcSection

class QnGcSectionLock {
public:
    QnGcSectionLock() { QnGcSection::Enter(); }
    ~QnGcSectionLock() { QnGcSection::Leave(); }
    QnGcSectionLock(const QnGcSectionLock&) = delete;
    QnGcSectionLock& operator=(const QnGcSectionLock&) = delete;
};
