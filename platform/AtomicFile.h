// Replacing a file so that it is never seen half written: the new content
// goes into a temporary file beside the target, is flushed to the disk and
// only then renamed over the target. On any failure the temporary file is
// removed and the target is left as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {

class AtomicFile {
public:
    // Prefix of the temporary files made beside a target; the saving
    // process's id and a dot follow it.
    static constexpr const char* kTempPrefix = "~qntmp";
    // Prefix of the backup copies of files written in place.
    static constexpr const char* kBackupPrefix = "~qnbak";

    // Makes a new temporary file for a save in folder, named kTempPrefix,
    // this process's id, a dot, six unique characters and extension; see
    // TempFile::Create. Leftovers of saves whose process is gone (killed
    // midway) are removed from folder first.
    static std::string CreateTemp(const std::string& folder, const std::string& extension = "", int* fd = nullptr);
    // Removes from folder the temporary files of processes no longer running.
    static void RemoveLeftovers(const std::string& folder);

    // Makes target hold exactly bytes. A target that exists keeps its
    // permissions; a symbolic link is followed, so the file it names is
    // replaced. Failure raises QnExcept naming the target.
    static void Replace(const std::string& target, std::span<const uint8_t> bytes);
    static void Replace(const std::string& target, std::string_view text);

    // Makes to a copy of from, by the same rule. Failure raises QnExcept.
    static void Copy(const std::string& from, const std::string& to);

    // The whole content of a file; failure raises QnExcept.
    static std::string ReadAll(const std::string& path);
    // The same, but none when the file does not exist (any other failure
    // still raises, so that a caller never mistakes an unreadable file for
    // an empty one and writes over it).
    static std::optional<std::string> ReadIfExists(const std::string& path);
};

} // namespace platform
