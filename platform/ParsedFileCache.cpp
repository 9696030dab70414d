#include "platform/ParsedFileCache.h"

#include "platform/ProgramLocation.h"

#include "base/QnExcept.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace platform {

namespace {

int64_t NowNs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

bool IsRecent(const FileStamp& stamp)
{
    return std::max(stamp.modifiedNs, stamp.changedNs) + ParsedFileCache::kRecentNs > NowNs();
}

// Not the text itself, which may be as large as the parse.
size_t HashOf(const std::string& text) { return std::hash<std::string>()(text) | 1; }

} // namespace

std::shared_ptr<const void> ParsedFileCache::Get(const std::string& path)
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::optional<FileStamp> stamp;
    try {
        stamp = StampOf(path);
    } catch (const QnExcept& error) {
        // No stamp to tell versions apart: the refusal stands until there is one.
        Refuse(path, FileStamp{}, 0, error.what());
        return nullptr;
    }
    if (!stamp) {
        entries_.erase(path);
        return nullptr;
    }

    std::optional<SettingsFileContent> content;
    auto found = entries_.find(path);
    if (found != entries_.end() && found->second.stamp == *stamp) {
        Entry& entry = found->second;
        entry.lastUse = ++uses_;
        if (!entry.recent)
            return entry.document;
        try {
            content = ReadSettingsFile(path);
        } catch (const QnExcept& error) {
            Refuse(path, *stamp, 0, error.what());
            return nullptr;
        }
        if (content && content->stamp == entry.stamp && HashOf(content->text) == entry.textHash) {
            entry.recent = IsRecent(entry.stamp);
            return entry.document;
        }
    }
    return Load(path, *stamp, std::move(content));
}

std::shared_ptr<const void> ParsedFileCache::Load(const std::string& path, const FileStamp& stamp,
                                                  std::optional<SettingsFileContent> content)
{
    try {
        if (!content)
            content = ReadSettingsFile(path);
    } catch (const QnExcept& error) {
        Refuse(path, stamp, 0, error.what());
        return nullptr;
    }
    if (!content) {
        entries_.erase(path);
        return nullptr;
    }
    const bool recent = IsRecent(content->stamp);
    const size_t textHash = recent ? HashOf(content->text) : 0;
    try {
        std::shared_ptr<const void> document = parse_(std::move(content->text));
        Keep(path, Entry{content->stamp, document, textHash, recent, 0});
        return document;
    } catch (const QnExcept& error) {
        Refuse(path, content->stamp, textHash, error.what());
        return nullptr;
    }
}

void ParsedFileCache::Refuse(const std::string& path, const FileStamp& stamp, size_t textHash, const char* why)
{
    auto found = entries_.find(path);
    const bool told = found != entries_.end() && found->second.stamp == stamp && !found->second.document;
    if (!told) {
        std::fprintf(stderr, "%s: %s (its settings are not used)\n", ProgramLocation::ProgramName().c_str(), why);
        std::fflush(stderr);
    }
    // A refusal of what was read is checked like a parse; one of what was
    // never read stands while the stamp does.
    const bool recent = textHash != 0 && IsRecent(stamp);
    Keep(path, Entry{stamp, nullptr, textHash, recent, 0});
}

void ParsedFileCache::Keep(const std::string& path, Entry entry)
{
    entry.lastUse = ++uses_;
    entries_.insert_or_assign(path, std::move(entry));
    while (entries_.size() > kMaxFiles) {
        auto oldest = std::min_element(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
            return a.second.lastUse < b.second.lastUse;
        });
        entries_.erase(oldest);
    }
}

void ParsedFileCache::Forget(const std::string& path)
{
    std::lock_guard<std::mutex> lock(mutex_);
    entries_.erase(path);
}

} // namespace platform
