// The two time stamps an album record keeps of its picture file, as 32-bit
// seconds since 1970.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct AlbumFileTimes {
    int32_t creation = 0;
    int32_t modification = 0;
};

// The file's creation time (its birth time where the file system keeps
// one, else its last-write time) and last-write time; none when the file
// cannot be found.
std::optional<AlbumFileTimes> ReadAlbumFileTimes(const std::string& path);

// A time of the system clock in the 32-bit form, held within its range.
int32_t AlbumTimeFrom(int64_t seconds);
