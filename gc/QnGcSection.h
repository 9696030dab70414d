// Entering and leaving QnObj::cs, as every part of the library does: it
// counts how deep the calling thread holds the section and how many other
// threads wait for it, so that a long holder (an evaluation) can let them
// in now and then, and so that debug builds can tell whether a thread other
// than the collector's works with objects inside the section.
#pragma once

#include "gc/QnObj.h"

namespace QnGcSection {
void Enter();
void Leave();
// How many times the calling thread holds the section now.
int HeldDepth();
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
