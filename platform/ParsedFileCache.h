// Parses of settings and store files kept between lookups, so that a file
// is read and parsed again only after it changed: a lookup then costs one
// stat. A file changed so recently that a second change could share its
// time stamp is read again, and its parse trusted only while the text
// hashes as it did. A file that cannot be used (not a regular file, too large, of
// another form) gives no parse, and a message on stderr once per change.
#pragma once

#include "platform/SettingsFileRead.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace platform {

class ParsedFileCache {
public:
    // Makes the parse of a file's text; raises QnExcept for text it refuses.
    using Parser = std::function<std::shared_ptr<const void>(std::string text)>;

    explicit ParsedFileCache(Parser parse) : parse_(std::move(parse)) {}

    // The parse of the file as it is now; null when the file does not exist
    // or cannot be used.
    std::shared_ptr<const void> Get(const std::string& path);
    // Drops what is kept of path: a write in this process changed it.
    void Forget(const std::string& path);

    // How long after a change a file's stamp is not trusted on its own: the
    // coarsest clock of the file systems it may be kept on.
    static constexpr int64_t kRecentNs = 2'000'000'000;
    // Files kept at most; the least recently used goes first.
    static constexpr size_t kMaxFiles = 16;

private:
    struct Entry {
        FileStamp stamp;
        std::shared_ptr<const void> document; // null: the file cannot be used
        size_t textHash = 0;                  // checked while the file is recent
        bool recent = false;
        uint64_t lastUse = 0;
    };

    // Reads (unless content was read already) and parses the file.
    std::shared_ptr<const void> Load(const std::string& path, const FileStamp& stamp,
                                     std::optional<SettingsFileContent> content);
    // Keeps the refusal of this version of the file, telling it once.
    void Refuse(const std::string& path, const FileStamp& stamp, size_t textHash, const char* why);
    void Keep(const std::string& path, Entry entry);

    Parser parse_;
    std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
    uint64_t uses_ = 0;
};

// The same for one kind of document, made by Document::Parse(text).
template <class Document>
class ParsedFiles {
public:
    ParsedFiles()
        : cache_([](std::string text) -> std::shared_ptr<const void> {
              return std::make_shared<const Document>(Document::Parse(std::move(text)));
          })
    {
    }
    std::shared_ptr<const Document> Get(const std::string& path)
    {
        return std::static_pointer_cast<const Document>(cache_.Get(path));
    }
    void Forget(const std::string& path) { cache_.Forget(path); }

private:
    ParsedFileCache cache_;
};

} // namespace platform
