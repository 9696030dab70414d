// An ordered list of plug-in folders. A folder path must fit the catalogue
// file's 260-byte field with its NUL; a longer one is refused rather than
// cut, since a cut path names another folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class PlugInFolderList {
public:
    // Appends a folder; false (and nothing added) when it is empty or too long.
    bool Add(std::string_view folder);
    void Clear() { folders_.clear(); }

    bool Contains(std::string_view folder) const;
    // Letter case ignored: what the folders dialog uses to refuse a folder
    // that differs from a listed one only in case.
    bool ContainsIgnoringCase(std::string_view folder) const;

    size_t Count() const { return folders_.size(); }
    bool Empty() const { return folders_.empty(); }
    const std::string& operator[](size_t i) const { return folders_[i]; }
    auto begin() const { return folders_.begin(); }
    auto end() const { return folders_.end(); }
    bool operator==(const PlugInFolderList&) const = default;

    static constexpr size_t kMaxLength = 259;

private:
    std::vector<std::string> folders_;
};
