// The figures of the About box: the machine's physical memory and the free
// space of the file system that holds the current folder, as the texts the
// box shows. Sizes are 64-bit, so memory and disks past 4 GB read right.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct LdDiskFree {
    uint64_t freeBytes = 0;  // available to this user
    std::string mountPoint;  // where the file system is mounted
};

uint64_t LdTotalPhysicalMemory();
// The free space of the file system holding folder; none when it cannot be
// read.
std::optional<LdDiskFree> LdQueryDiskFree(const std::string& folder);

// "<total / 1024> KB".
std::string LdMemoryText(uint64_t totalBytes);
// "<free / 1024> KB Free on <mount point>", or "Unavailable".
std::string LdDiskFreeText(const std::optional<LdDiskFree>& disk);
