// The open and save file dialogs, and the folder browser. Tests answer them through the hook with
// the file they choose (or none for Cancel).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace fw {

struct FileDialogRequest {
    bool open = true;
    std::string title;
    // Proposed file (folder and name).
    std::string fileName;
    // "Name (*.ext *.EXT)" entries, the first selected.
    std::vector<std::string> filters;
    // Added to a saved name that has none, with its dot (".bmp").
    std::string defaultExtension;
    // For the open dialog: the file must exist.
    bool mustExist = true;
    // Choose an existing folder instead of a file (the answer is its path).
    bool folder = false;
    // For the open dialog: several files may be chosen; the answer holds
    // them one a line.
    bool multiple = false;
    QWidget* owner = nullptr;
};

using FileDialogHook = std::function<std::optional<std::string>(const FileDialogRequest&)>;
FileDialogHook SetFileDialogHook(FileDialogHook hook);

// The chosen file, or nothing when cancelled.
std::optional<std::string> RunFileDialog(const FileDialogRequest& request);

}  // namespace fw
