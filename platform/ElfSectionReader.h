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
    // The bytes of section name; none when the file has no such section.
    // A file that cannot be read, is not a 64-bit little-endian ELF file or
    // whose headers are damaged raises QnExcept naming the file.
    static std::optional<std::vector<uint8_t>> ReadSection(const std::string& path, std::string_view name);
};

} // namespace platform
