#include "platform/RegistryDocument.h"
#include "platform/RegistryStore.h"

#include "TestFolder.h"

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

using platform::RegistryDocument;
using platform::RegistryStore;

namespace {
const char* const kSaverKey = "Software\\Quendle Screen Savers\\WHIRL\\FILE";

// Built by appending: g++ 12 warns falsely on chains of string additions.
std::string Numbered(std::string text, int n, int m = -1)
{
    text += std::to_string(n);
    if (m >= 0) {
        text += '_';
        text += std::to_string(m);
    }
    return text;
}
// A store of keys K0 .. K<count - 1>, each with one number "v" = its index.
std::string StoreOfKeys(int count)
{
    std::string text = "QNREG 1\n";
    for (int i = 0; i < count; ++i) {
        text += "[K";
        text += std::to_string(i);
        text += "]\n\"v\"=dword:";
        text += std::to_string(i);
        text += '\n';
    }
    return text;
}

// Processor time of this thread, which other programs' load does not
// stretch as it does the clock on the wall.
double CpuMillis()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

TEST(RegistryStore, ALargeStoreIsParsedOnceInLinearTime)
{
    TestFolder folder;
    const std::string path = folder / "registry";
    // The best of three first lookups, each in a file written afresh.
    auto firstLookup = [&](int keys) {
        const std::string text = StoreOfKeys(keys);
        double best = 1e30;
        for (int run = 0; run < 3; ++run) {
            TestFolder::Write(folder / "new", text);
            std::rename((folder / "new").c_str(), path.c_str());
            const double start = CpuMillis();
            EXPECT_EQ(RegistryStore(path).GetNumber(Numbered("k", keys - 1), "V"), uint32_t(keys - 1));
            best = std::min(best, CpuMillis() - start);
        }
        return best;
    };
    // The larger first: its later runs, as the smaller, find the memory
    // they need already mapped.
    const double full = firstLookup(80'000);
    const double small = firstLookup(2'500);
    // 32 times the keys: 32 times the work, which takes up to four times as
    // long again once the tables outgrow the processor's caches; not a
    // thousand times, as a parse that searches what it has parsed so far.
    EXPECT_LT(full, 400 * small) << "2 500 keys: " << small << " ms, 80 000 keys: " << full << " ms";

    // Three more lookups, as a screen saver makes at start, parse nothing:
    // together they take less than the one that parsed.
    const double start = CpuMillis();
    for (int i : {0, 500, 2'499})
        EXPECT_EQ(RegistryStore(path).GetNumber(Numbered("K", i), "v"), uint32_t(i));
    EXPECT_LT(CpuMillis() - start, small) << "first " << small << " ms";
}

TEST(RegistryStore, KeepsStringsNumbersAndBytesUnderNamesMatchedWithoutCase)
{
    TestFolder folder;
    RegistryStore store(folder / "registry");
    EXPECT_EQ(store.GetString(kSaverKey, "Path"), std::nullopt);
    EXPECT_FALSE(store.KeyExists("Software"));

    store.SetString(kSaverKey, "Path", "/home/ann/lodo40ss.bmp");
    store.SetString("software\\quendle screen savers\\whirl\\file\\", "NAME", "first");
    store.SetString("\\Software\\\\Quendle Screen Savers\\WHIRL\\FILE", "name", "second");
    store.SetNumber(kSaverKey, "Size", 10);
    store.SetBinary(kSaverKey, "Blob", {0, 1, 0xFE, 0xFF});

    RegistryStore again(folder / "registry");
    EXPECT_EQ(again.GetString("SOFTWARE\\QUENDLE SCREEN SAVERS\\WHIRL\\FILE", "path"), "/home/ann/lodo40ss.bmp");
    EXPECT_EQ(again.GetString(kSaverKey, "Name"), "second");
    EXPECT_EQ(again.GetNumber(kSaverKey, "size"), 10u);
    EXPECT_EQ(again.GetBinary(kSaverKey, "blob"), (std::vector<uint8_t>{0, 1, 0xFE, 0xFF}));
    EXPECT_EQ(again.GetString(kSaverKey, "Size"), std::nullopt); // a number, not a string
    EXPECT_EQ(again.GetString("Software\\Quendle Screen Savers\\ZOOM\\FILE", "Path"), std::nullopt);
    EXPECT_TRUE(again.KeyExists("software\\Quendle Screen Savers"));
    EXPECT_FALSE(again.KeyExists("Software\\Quendle"));

    again.CreateKey("Software\\Quendle Screen Savers\\ZOOM\\FILE");
    EXPECT_TRUE(again.KeyExists("Software\\Quendle Screen Savers\\ZOOM\\FILE"));
    EXPECT_EQ(folder.Count(), 2u); // the store and its lock file, no temporary file
}

TEST(RegistryStore, StringsWithAnyBytesComeBackUnchanged)
{
    TestFolder folder;
    RegistryStore store(folder / "registry");
    const std::string texts[] = {"", "with \"quotes\" and \\ backslashes\\", "two\nlines\r\n\ttab",
                                 std::string("nul\0and\x7f\x01", 10), "caf\xC3\xA9 ]["};
    for (size_t i = 0; i < std::size(texts); ++i)
        store.SetString(kSaverKey, Numbered(texts[i], int(i)), texts[i]);
    for (size_t i = 0; i < std::size(texts); ++i)
        EXPECT_EQ(store.GetString(kSaverKey, Numbered(texts[i], int(i))), texts[i]) << i;
}

TEST(RegistryStore, TwoProcessesWritingTheSameFileBothKeepTheirValues)
{
    TestFolder folder;
    const std::string path = folder / "registry";
    constexpr int kValues = 40;
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            RegistryStore store(path);
            for (int i = 0; i < kValues; ++i)
                store.SetNumber(child == 0 ? "Software\\A" : "software\\a", Numbered("v", child, i), uint32_t(i));
            _exit(0);
        }
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    RegistryStore store(path);
    for (int child = 0; child < 2; ++child)
        for (int i = 0; i < kValues; ++i)
            EXPECT_EQ(store.GetNumber("SOFTWARE\\A", Numbered("V", child, i)), uint32_t(i));
}

TEST(RegistryStore, AFileOfAnotherFormIsNeitherReadNorOverwritten)
{
    TestFolder folder;
    const std::string path = folder / "registry";
    TestFolder::Write(path, "REGEDIT4\n[HKEY_CURRENT_USER\\Software]\n");
    RegistryStore store(path);
    EXPECT_FALSE(store.KeyExists("HKEY_CURRENT_USER"));
    EXPECT_THROW(store.SetString("Software", "x", "y"), QnExcept);
    EXPECT_EQ(TestFolder::Read(path), "REGEDIT4\n[HKEY_CURRENT_USER\\Software]\n");
    EXPECT_THROW(store.CreateKey("bad\nkey"), QnExcept);
}

TEST(RegistryDocument, DropsLinesThatDoNotParseAndKeepsTheRest)
{
    RegistryDocument document = RegistryDocument::Parse("QNREG 1\r\n"
                                                        "\"orphan\"=sz:\"no key\"\n"
                                                        "[A\\B]\n"
                                                        "\"ok\"=sz:\"yes\"\n"
                                                        "\"ok\"=sz:\"second\"\n"
                                                        "\"bad escape\"=sz:\"\\q\"\n"
                                                        "\"unterminated\"=sz:\"abc\n"
                                                        "\"big\"=dword:4294967296\n"
                                                        "\"negative\"=dword:-1\n"
                                                        "\"odd\"=hex:abc\n"
                                                        "garbage\n"
                                                        "\"n\"=dword:4294967295\n");
    EXPECT_EQ(document.Text(), "QNREG 1\n\n[A\\B]\n\"ok\"=sz:\"yes\"\n\"n\"=dword:4294967295\n");
}
