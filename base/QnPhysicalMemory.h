// Free physical memory as the collector should see it: the smallest of the
// kernel's MemAvailable, the headroom left under the process's cgroup limit
// and an optional budget for this process.
#pragma once

#include <cstdint>

// Bytes available, saturating at 0xFFFFFFFF.
uint32_t QnGetPhysicalMemoryAvailable();
// Bytes available, unsaturated.
uint64_t QnGetPhysicalMemoryAvailable64();

// Replaces the reading (tests simulate memory pressure with it); null
// restores the system reading. Returns the previous provider.
using QnPhysicalMemoryProvider = uint64_t (*)();
QnPhysicalMemoryProvider QnSetPhysicalMemoryProvider(QnPhysicalMemoryProvider provider);

// A cap on the process's resident memory, in bytes (0: none). Read at first
// use from the environment variable QN_MEMORY_BUDGET (bytes, or with a suffix
// K, M or G); a program may set it from its settings.
void QnSetMemoryBudget(uint64_t bytes);
uint64_t QnGetMemoryBudget();

// The system reading, uncached and without the provider (for tests).
uint64_t QnReadSystemMemoryAvailable();
