// The most recently used files, newest first, kept in the profile under
// "Recent File List" as "File1", "File2", ... and shown in the File menu as
// commands 57616 onwards.
#pragma once

#include <string>
#include <vector>

namespace fw {

class CmdUI;
class FrameWnd;
class ProfileStore;

class RecentFileList {
public:
    static constexpr const char* kSection = "Recent File List";
    static constexpr const char* kEntryFormat = "File%d";

    explicit RecentFileList(size_t size);

    size_t GetSize() const { return size_; }
    const std::vector<std::string>& GetNames() const { return names_; }
    // Moves path to the top (it is entered once); the oldest falls off.
    void Add(const std::string& path);
    void Remove(size_t index);

    void ReadList(ProfileStore& profile);
    // Writes every entry; keys of entries no longer in the list are emptied.
    void WriteList(ProfileStore& profile) const;

    // The menu text of entry index: "&1 name", the folder left out when it
    // is currentFolder.
    std::string GetDisplayName(size_t index, const std::string& currentFolder = {}) const;
    // Replaces the menu items from the one of ui onwards with one item per
    // entry (commands 57616 + index); an empty list shows "Recent File"
    // disabled.
    void UpdateMenu(CmdUI& ui, FrameWnd* frame) const;

private:
    size_t size_;
    std::vector<std::string> names_;
};

}  // namespace fw
