// The two figures of the album's About box: the machine's physical memory
// and the free space of the disk that holds the current folder, in KB.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The machine's total physical memory in bytes.
uint64_t TotalPhysicalMemory();
// Bytes free for the user on the file system of folder, and the folder
// where that file system is mounted; nothing when it cannot be read.
struct FreeDiskSpace {
    uint64_t bytes = 0;
    std::string mountPoint;
};
std::optional<FreeDiskSpace> ReadFreeDiskSpace(const std::string& folder);

// "%lu KB" of the memory.
std::string PhysicalMemoryText(uint64_t bytes);
// "%lu KB Free on %s" with the mount point (the system named a drive
// letter), or "Unavailable" without a reading.
std::string FreeDiskText(const std::optional<FreeDiskSpace>& space);
