// An INI file with the Windows private-profile behaviour that the programs
// and modules rely on. Every read sees the file as it is on disk, parsed
// once per change of the file; every write re-reads it, changes one line
// and replaces the file atomically, under a lock against a concurrent writer.
// Only a regular file of at most kMaxSettingsFileSize bytes is read: anything
// else reads as empty, with a message on stderr, and is never written over.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class IniFile {
public:
    explicit IniFile(std::string path);

    const std::string& Path() const { return path_; }

    // The value of key in section (trimmed, one pair of enclosing quotes
    // dropped), or def when the key is absent. A missing or unreadable file
    // reads as empty.
    std::string GetString(std::string_view section, std::string_view key, std::string_view def = "") const;

    // The leading signed number of the value; def only when the key is
    // absent (a value without digits reads as 0).
    int32_t GetInt(std::string_view section, std::string_view key, int32_t def) const;

    // Failure to write raises QnExcept; the file on disk is then unchanged.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInt(std::string_view section, std::string_view key, int32_t value);

private:
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;

    std::string path_;
};

} // namespace platform
