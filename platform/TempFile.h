// Uniquely named temporary files, made in the folder where they are wanted
// (beside a file being saved, or in the user's temporary folder).
#pragma once

#include <string>

namespace platform {

class TempFile {
public:
    // The user's temporary folder: $TMPDIR when it names a folder, else /tmp.
    static std::string TempFolder();

    // Creates a new empty file (mode 0600) in folder ("" is the current
    // folder) named prefix + six unique characters + extension, and returns
    // its path. With fd, the file stays open for writing and *fd receives the
    // descriptor; otherwise it is closed. Failure raises QnExcept.
    static std::string Create(const std::string& folder, const std::string& prefix,
                              const std::string& extension = "", int* fd = nullptr);
};

} // namespace platform
