// The stand-in for the user's registry: hierarchical keys with named
// values in one file, shared by the programs that read the same keys (the
// screen-saver wizard writes what the screen savers read). Every read sees
// the file as it is, parsed once per change of the file; every write takes
// the file's lock, reads it afresh, changes one value and replaces the file
// atomically, so two programs that write different values both keep theirs.
// Only a regular file of at most kMaxSettingsFileSize bytes is read: anything
// else reads as empty, with a message on stderr, and is never written over.
#pragma once

#include "platform/RegistryValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class RegistryStore {
public:
    explicit RegistryStore(std::string path);

    // The store of the user's settings: <config root>/Quendle/registry.
    static RegistryStore User();

    const std::string& Path() const { return path_; }

    // Keys are paths of names separated by "\" ("Software\Quendle Screen
    // Savers\ZOOM\FILE"); key and value names match without case. A missing
    // or unreadable file reads as empty; none for an absent value.
    std::optional<RegistryValue> Get(std::string_view key, std::string_view name) const;
    // None also when the value is of another kind.
    std::optional<std::string> GetString(std::string_view key, std::string_view name) const;
    std::optional<uint32_t> GetNumber(std::string_view key, std::string_view name) const;
    std::optional<std::vector<uint8_t>> GetBinary(std::string_view key, std::string_view name) const;
    bool KeyExists(std::string_view key) const;

    // Failure raises QnExcept and leaves the file as it was.
    void Set(std::string_view key, std::string_view name, RegistryValue value);
    void SetString(std::string_view key, std::string_view name, std::string_view value);
    void SetNumber(std::string_view key, std::string_view name, uint32_t value);
    void SetBinary(std::string_view key, std::string_view name, std::vector<uint8_t> value);
    void CreateKey(std::string_view key);

private:
    template <class Change>
    void Update(Change change);

    std::string path_;
};

} // namespace platform
