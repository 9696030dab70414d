// The registry of existing-file descriptors: one per file name, names
// compared byte by byte (so names that differ in case are different files).
// It holds its descriptors as caches: a descriptor that nothing else reaches
// may be dropped, and the next request for its name makes a new one.
#pragma once

#include "picture/FileDescriptor.h"

#include "base/QnCriticalSection.h"
#include "lang/ObjMapObj.h"

#include <cstring>

struct fdsc_lesskey {
    bool operator()(const char* a, const char* b) const { return std::strcmp(a, b) < 0; }
};
struct fdsc_extractkey {
    const char* operator()(const QnFileDescriptor* dsc) const { return dsc->GetFileName(); }
};

using QnFileDescRegistry = QnObjMapObj<const char*, QnFileDescriptor, fdsc_lesskey, fdsc_extractkey>;

// Made at library load, locked for good. Lock order: the registry lock,
// then the collector's section (which the map takes inside).
QnFileDescRegistry& FileDescRegistry();
QnCriticalSection& FileDescRegistryLock();
