// What a settings or registry path may name besides a regular file of a sane
// size: each reads as empty, promptly, with one message on stderr, and a
// write raises and leaves it as it was.
#include "platform/IniFile.h"
#include "platform/RegistryStore.h"

#include "TestFolder.h"

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Unusable {
    const char* what;
    // Makes path that thing; content is what a usable file would hold.
    std::function<void(const std::string& path, const std::string& content)> make;
    const char* says;
};

const Unusable kUnusable[] = {
    {"a link to /dev/zero", [](const std::string& path, const std::string&) {
         ASSERT_EQ(symlink("/dev/zero", path.c_str()), 0);
     }, "not a regular file"},
    {"a FIFO", [](const std::string& path, const std::string&) {
         ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
     }, "not a regular file"},
    {"a folder", [](const std::string& path, const std::string&) {
         ASSERT_EQ(mkdir(path.c_str(), 0700), 0);
     }, "not a regular file"},
    {"a file past the size cap", [](const std::string& path, const std::string& content) {
         // Sparse: the values are there, then a hole up to 33 MB.
         TestFolder::Write(path, content);
         ASSERT_EQ(truncate(path.c_str(), 33 << 20), 0);
     }, "larger than 32 MB"},
};

struct FileKind {
    const char* name;
    const char* content; // holds the value 1 under S / k
    std::function<int(const std::string& path)> read; // 5 when absent
    std::function<void(const std::string& path)> write;
};

const FileKind kKinds[] = {
    {"INI", "[S]\nk=1\n",
     [](const std::string& path) { return platform::IniFile(path).GetInt("S", "k", 5); },
     [](const std::string& path) { platform::IniFile(path).WriteInt("S", "k", 2); }},
    {"registry", "QNREG 1\n[S]\n\"k\"=dword:1\n",
     [](const std::string& path) { return int(platform::RegistryStore(path).GetNumber("S", "k").value_or(5)); },
     [](const std::string& path) { platform::RegistryStore(path).SetNumber("S", "k", 2); }},
};

struct FileState {
    mode_t type = 0;
    off_t size = 0;
    bool operator==(const FileState&) const = default;
};

FileState StateOf(const std::string& path)
{
    struct stat info{};
    EXPECT_EQ(lstat(path.c_str(), &info), 0) << path;
    return {mode_t(info.st_mode & S_IFMT), S_ISREG(info.st_mode) ? info.st_size : 0};
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(UnusableSettingsFile, ReadsAsEmptyWithOneMessageAndIsNeverWrittenOver)
{
    // A read that blocks on the FIFO, or reads /dev/zero without end, ends here.
    alarm(60);
    for (const FileKind& kind : kKinds) {
        for (const Unusable& thing : kUnusable) {
            SCOPED_TRACE(std::string(kind.name) + " file that is " + thing.what);
            TestFolder folder;
            const std::string path = folder / "settings";
            thing.make(path, kind.content);
            const FileState before = StateOf(path);

            testing::internal::CaptureStderr();
            EXPECT_EQ(kind.read(path), 5);
            EXPECT_EQ(kind.read(path), 5);
            const std::string told = testing::internal::GetCapturedStderr();
            EXPECT_EQ(Count(told, path), 1u) << told; // once, not at every lookup
            EXPECT_EQ(Count(told, thing.says), 1u) << told;

            EXPECT_THROW(kind.write(path), QnExcept);
            EXPECT_EQ(StateOf(path), before);
        }
    }
    alarm(0);
}

TEST(UnusableSettingsFile, AFileMadeUsableAgainIsRead)
{
    for (const FileKind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        TestFolder folder;
        const std::string path = folder / "settings";
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        testing::internal::CaptureStderr();
        EXPECT_EQ(kind.read(path), 5);
        testing::internal::GetCapturedStderr();
        ASSERT_EQ(unlink(path.c_str()), 0);
        TestFolder::Write(path, kind.content);
        EXPECT_EQ(kind.read(path), 1);
        kind.write(path);
        EXPECT_EQ(kind.read(path), 2);
    }
}
