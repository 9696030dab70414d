// Collectable objects are made, used and collected on one thread (the GUI
// thread), or on another one while it holds the collector's section
// (QnLockGc). Debug builds check it; release builds compile the check away.
#pragma once

#ifdef NDEBUG
inline void QnCheckGcThread() {}
#else
// Binds to the first thread that calls it (or that QnObj::SetGcThread
// named) and ends the process when another thread calls it without holding
// the collector's section.
void QnCheckGcThread();
#endif

// Makes the calling thread the collector's thread.
void QnBindGcThread();
