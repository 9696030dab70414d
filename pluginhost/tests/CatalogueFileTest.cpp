#include "pluginhost/FixedString.h"
#include "pluginhost/PlugInCatalogue.h"
#include "platform/tests/TestFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

PlugInRecord MakeRecord(PlugInCatalogue& catalogue, const char* path, const char* name, const char* category,
                        uint64_t time)
{
    PlugInRecord r;
    CopyFixed(r.path, path);
    CopyFixed(r.name, name);
    CopyFixed(r.entry, "ENTRYPOINT1");
    CopyFixed(r.aboutEntry, "ENTRYPOINT1");
    r.timeLow = static_cast<uint32_t>(time);
    r.timeHigh = static_cast<uint32_t>(time >> 32);
    r.modes = 0x0050;
    for (int i = 0; i < kFilterCaseCount; ++i)
        r.filterCases[i] = PlugInFilterCase{1, 2, static_cast<uint8_t>(i), 0};
    r.category = catalogue.Categories().Add(category);
    return r;
}

// The catalogue of the tests below: two folders, two plug-ins.
void Fill(PlugInCatalogue& catalogue)
{
    catalogue.Folders().Add("/opt/plugins");
    catalogue.Folders().Add("/home/user/filters/");
    catalogue.AddRecord(MakeRecord(catalogue, "/opt/plugins/rubber.8bf", "Rubber...", "Orvane Collection: Rubber",
                                   0x01D5A1B2C3D4E5F6ULL));
    catalogue.AddRecord(MakeRecord(catalogue, "/opt/plugins/edges.8bf", "Edges", nullptr, 42));
}

void Put16(Bytes& b, size_t at, uint16_t v)
{
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}

void Put32(Bytes& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}

void PutText(Bytes& b, size_t at, const char* text) { std::memcpy(b.data() + at, text, std::strlen(text)); }

void PutRecord(Bytes& b, size_t at, const char* path, uint64_t time, const char* category, const char* name,
               uint32_t id)
{
    PutText(b, at, path);
    Put32(b, at + 260, uint32_t(time));
    Put32(b, at + 264, uint32_t(time >> 32));
    PutText(b, at + 268, category);
    PutText(b, at + 396, name);
    Put16(b, at + 652, 0x0050);
    PutText(b, at + 654, "ENTRYPOINT1");
    PutText(b, at + 914, "ENTRYPOINT1");
    Put32(b, at + 1174, id);
    for (int i = 0; i < 7; ++i) {
        b[at + 1178 + 4 * i] = 1;
        b[at + 1179 + 4 * i] = 2;
        b[at + 1180 + 4 * i] = uint8_t(i);
    }
}

// The file of Fill(), laid out by hand from the published offsets.
Bytes ExpectedFile()
{
    Bytes b(22 + 2 * 260 + 4 + 2 * 1206, 0);
    Put16(b, 0, 1);
    PutText(b, 2, "BDIP");
    Put16(b, 6, 2);
    Put32(b, 8, 20);
    Put32(b, 12, 2);
    Put32(b, 16, 22 + 2 * 260);
    Put16(b, 20, 2);
    PutText(b, 22, "/opt/plugins");
    PutText(b, 22 + 260, "/home/user/filters/");
    Put32(b, 542, 2);
    PutRecord(b, 546, "/opt/plugins/rubber.8bf", 0x01D5A1B2C3D4E5F6ULL, "Orvane Collection: Rubber", "Rubber...", 1);
    PutRecord(b, 546 + 1206, "/opt/plugins/edges.8bf", 42, "Other", "Edges", 2);
    return b;
}

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

std::string ToText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(CatalogueFile, IsWrittenAndReadBackByteForByte)
{
    TestFolder folder;
    const std::string path = folder / "Telvy12.DAT";
    {
        PlugInCatalogue catalogue;
        Fill(catalogue);
        ASSERT_TRUE(catalogue.WriteFile(path));
    }
    EXPECT_EQ(ToBytes(TestFolder::Read(path)), ExpectedFile());

    PlugInCatalogue read;
    read.ReadFile(path);
    EXPECT_FALSE(read.dirty);
    ASSERT_EQ(read.Folders().Count(), 2u);
    EXPECT_EQ(read.Folders()[1], "/home/user/filters/");
    ASSERT_EQ(read.Count(), 2u);
    const PlugInRecord& rubber = read.At(0);
    EXPECT_EQ(rubber.id, 1u);
    EXPECT_STREQ(rubber.name, "Rubber...");
    EXPECT_STREQ(read.Categories().Name(rubber.category), "Orvane Collection: Rubber");
    EXPECT_EQ((uint64_t{rubber.timeHigh} << 32) | rubber.timeLow, 0x01D5A1B2C3D4E5F6ULL);
    EXPECT_EQ(rubber.filterCases[6].flags1, 6);
    EXPECT_EQ(rubber.menuId, 0u);
    EXPECT_EQ(read.At(1).category, 0); // "Other" is the default entry

    const std::string again = folder / "again.DAT";
    ASSERT_TRUE(read.WriteFile(again));
    EXPECT_EQ(TestFolder::Read(again), TestFolder::Read(path));
}

TEST(CatalogueFile, WithoutFoldersThePlugInSectionStartsAt20)
{
    TestFolder folder;
    const std::string path = folder / "Telvy12.DAT";
    PlugInCatalogue catalogue;
    for (const char* name : {"a.8bf", "b.8bf", "c.8bf"})
        catalogue.AddRecord(MakeRecord(catalogue, (std::string("/p/") + name).c_str(), name, "Other", 1));
    ASSERT_TRUE(catalogue.WriteFile(path));
    const Bytes bytes = ToBytes(TestFolder::Read(path));
    ASSERT_EQ(bytes.size(), 24u + 3 * 1206);
    EXPECT_EQ(bytes[6], 0);                               // no folders
    EXPECT_EQ(bytes[8], 20);                              // folder offset
    EXPECT_EQ(bytes[16], 20);                             // plug-in offset
    EXPECT_EQ(bytes[20] | bytes[21] << 8 | bytes[22] << 16, 3); // the count again
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[24])), "/p/a.8bf");

    PlugInCatalogue read;
    read.ReadFile(path);
    EXPECT_FALSE(read.dirty);
    ASSERT_EQ(read.Count(), 3u);
    // Ids after a restart follow the file's order.
    EXPECT_STREQ(read.FindById(3)->name, "c.8bf");
    EXPECT_EQ(read.Categories().References(0), 4); // its own reference and three records
}

struct Damage {
    const char* what;
    std::function<void(Bytes&)> apply;
    bool foldersKept;
};

TEST(CatalogueFile, ADamagedFileIsNeverTrusted)
{
    const Damage cases[] = {
        {"another version", [](Bytes& b) { Put16(b, 0, 2); }, false},
        {"another magic", [](Bytes& b) { b[5] = 'Q'; }, false},
        {"a short header", [](Bytes& b) { b.resize(12); }, false},
        {"a folder offset elsewhere", [](Bytes& b) { Put32(b, 8, 24); }, false},
        {"folder counts that disagree", [](Bytes& b) { Put16(b, 20, 3); }, false},
        {"a folder path without its end", [](Bytes& b) { std::memset(&b[22], 'x', 260); }, false},
        {"a record cut short", [](Bytes& b) { b.resize(b.size() - 100); }, true},
        {"more plug-ins counted than stored", [](Bytes& b) { Put32(b, 12, 3); Put32(b, 542, 3); }, true},
        {"plug-in counts that disagree", [](Bytes& b) { Put32(b, 542, 1); }, true},
        {"bytes after the last record", [](Bytes& b) { b.push_back(0); }, true},
        {"a plug-in offset elsewhere", [](Bytes& b) { Put32(b, 16, 546); }, true},
        {"a name without its end", [](Bytes& b) { std::memset(&b[546 + 1206 + 396], 'n', 256); }, true},
        {"a record without a path", [](Bytes& b) { std::memset(&b[546], 0, 260); }, true},
    };
    for (const Damage& damage : cases) {
        SCOPED_TRACE(damage.what);
        TestFolder folder;
        const std::string path = folder / "Telvy12.DAT";
        Bytes bytes = ExpectedFile();
        damage.apply(bytes);
        TestFolder::Write(path, ToText(bytes));

        PlugInCatalogue catalogue;
        catalogue.ReadFile(path);
        EXPECT_TRUE(catalogue.dirty);
        EXPECT_EQ(catalogue.Count(), 0u);
        EXPECT_EQ(catalogue.Folders().Count(), damage.foldersKept ? 2u : 0u);
        EXPECT_EQ(catalogue.Categories().UsedCount(), 1);
    }
}

TEST(CatalogueFile, AMissingFileLeavesTheCatalogueEmptyAndDirty)
{
    TestFolder folder;
    PlugInCatalogue catalogue;
    catalogue.ReadFile(folder / "none.DAT");
    EXPECT_TRUE(catalogue.dirty);
    EXPECT_EQ(catalogue.Count(), 0u);
}

TEST(CatalogueFile, AFailedWriteKeepsTheOldFile)
{
    TestFolder folder;
    const std::string path = folder / "Telvy12.DAT";
    TestFolder::Write(path, "the old catalogue");
    PlugInCatalogue catalogue;
    Fill(catalogue);
    // The file's folder is gone: nothing is written, nothing is left behind.
    EXPECT_FALSE(catalogue.WriteFile(folder / "gone/Telvy12.DAT"));
    // A target that cannot be replaced keeps what it held.
    std::filesystem::create_directory(folder / "busy.DAT");
    EXPECT_FALSE(catalogue.WriteFile(folder / "busy.DAT"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "busy.DAT"));
    EXPECT_EQ(TestFolder::Read(path), "the old catalogue");
    EXPECT_EQ(folder.Count(), 2u);
}

} // namespace
