// Reads one named section of a 64-bit little-endian ELF file through its
// section headers, without loading the file: every offset and size read
// from the file is checked against the file's length before it is used.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class ElfSectionReader {
public:
    // More than a module holds: a file that claims more is refused before
    // anything is allocated for it (a sparse file can claim any size).
    static constexpr uint64_t kMaxSectionCount = 0x10000;
    static constexpr uint64_t kMaxSectionBytes = uint64_t{64} << 20;

    // The bytes of section name; none when the file has no such section.
    // A file that cannot be read, is not a 64-bit little-endian ELF file,
    // whose headers are damaged or whose sections are larger than the
    // limits above raises QnExcept naming the file.
    static std::optional<std::vector<uint8_t>> ReadSection(const std::string& path, std::string_view name);
};

} // namespace platform
