#include "gc/QnGcThread.h"

#include "gc/QnGcSection.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {
std::atomic<std::thread::id> gcThread{};
} // namespace

void QnBindGcThread() { gcThread.store(std::this_thread::get_id()); }

#ifndef NDEBUG
void QnCheckGcThread()
{
    const std::thread::id self = std::this_thread::get_id();
    std::thread::id bound{};
    if (gcThread.compare_exchange_strong(bound, self) || bound == self)
        return;
    // Another thread inside the section: no collection runs meanwhile.
    if (QnGcSection::HeldDepth() > 0)
        return;
    std::fprintf(stderr, "qngc: collectable objects touched off the collector's thread outside QnLockGc\n");
    std::abort();
}
#endif
