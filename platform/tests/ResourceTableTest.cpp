#include "platform/OwnResources.h"
#include "platform/ResourceSectionWriter.h"
#include "platform/ResourceTable.h"

#include "TestFolder.h"

#include "base/QnExcept.h"
#include "base/QnLittleEndian.h"
#include "base/QnRcStr.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

using platform::ResourceName;
using platform::ResourceSectionWriter;
using platform::ResourceTable;
namespace ResourceType = platform::ResourceType;

namespace {

std::string Text(std::span<const uint8_t> bytes) { return std::string(bytes.begin(), bytes.end()); }

std::vector<uint8_t> SmallTable()
{
    ResourceSectionWriter writer;
    writer.Add(ResourceType::String, 1, {'h', 'i'});
    writer.Add("PiPL", 16000, {1, 2, 3});
    writer.Add("WAVE", "Click", {});
    return writer.Bytes();
}

} // namespace

TEST(ResourceTable, TheReaderFindsEachResourceOfTheModuleFileWithoutLoadingIt)
{
    ASSERT_EQ(dlopen(TEST_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr);
    ResourceTable table = ResourceTable::FromFile(TEST_MODULE_PATH);
    EXPECT_EQ(dlopen(TEST_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr);

    EXPECT_EQ(table.FindString(100),
              "OLE initialization failed.  Make sure that the OLE libraries are the correct version.");
    EXPECT_EQ(table.FindString(63086), "Can't initialize plug-in support DLL");
    EXPECT_EQ(table.FindString(7), "tab\there \"quoted\" A");
    EXPECT_EQ(table.FindString(8), std::nullopt);

    // The bitmap is the packed DIB of the file: header size 40, 2 x 2 pixels.
    auto bitmap = table.Find(ResourceType::Bitmap, 130);
    ASSERT_TRUE(bitmap);
    ASSERT_EQ(bitmap->size(), TestFolder::Read(TEST_DATA_DIR "/tiny.bmp").size() - 14);
    EXPECT_EQ(QnGetLE32(bitmap->data()), 40u);
    EXPECT_EQ(QnGetLE32(bitmap->data() + 4), 2u);

    // Named types and ids match without case; numbers and names never match.
    EXPECT_EQ(Text(*table.Find("wave", "click")), std::string("RIFF\4\0\0\0WAVE", 12));
    EXPECT_FALSE(table.Find(ResourceType::RcData, "5"));
    EXPECT_EQ(Text(*table.Find(ResourceType::RcData, 5)), "\xde\xad\xbe\xef\xff\x34\x12");

    auto pipl = table.Find("pipl", 16000);
    ASSERT_TRUE(pipl);
    ASSERT_EQ(pipl->size(), 60u); // 10 + (16 + 4) + (16 + 10 + 2), aligned to 4
    EXPECT_EQ(Text(pipl->subspan(10, 8)), "MIB8dnik");
    EXPECT_EQ(Text(pipl->subspan(10 + 20 + 16, 10)), "\x09Rubber...");
    EXPECT_TRUE(table.HasType("PIPL"));
    EXPECT_FALSE(table.HasType("_8BFM"));
    ASSERT_EQ(table.Ids("PiPL").size(), 1u);
    EXPECT_TRUE(table.Ids("PiPL")[0] == ResourceName(16000));
}

TEST(ResourceTable, EachModuleFindsItsOwnSection)
{
    void* module = dlopen(TEST_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    auto count = reinterpret_cast<int (*)()>(dlsym(module, "TestModuleOwnResourceCount"));
    auto ownString = reinterpret_cast<void (*)(int, char*, size_t)>(dlsym(module, "TestModuleOwnString"));
    ASSERT_TRUE(count && ownString);

    EXPECT_EQ(count(), int(ResourceTable::FromFile(TEST_MODULE_PATH).Count()));
    char text[128];
    ownString(1, text, sizeof text);
    EXPECT_STREQ(text, "module");
    ownString(63086, text, sizeof text);
    EXPECT_STREQ(text, "Can't initialize plug-in support DLL");

    // The program's own table is another one.
    QnRcStr rc(0);
    rc.SetResourceModule(platform::OwnStringSource());
    EXPECT_EQ(rc(1), "program");
    EXPECT_EQ(platform::OwnResources().Count(), 1u);
    dlclose(module);
}

TEST(ResourceTable, AFileWithoutTheSectionHasNoResources)
{
    EXPECT_EQ(ResourceTable::FromFile(QNBASE_LIBRARY_PATH).Count(), 0u);
}

TEST(ResourceTable, EveryCutOfATableIsRefusedWithoutACrash)
{
    const std::vector<uint8_t> bytes = SmallTable();
    EXPECT_EQ(ResourceTable::FromBytes(bytes).Count(), 3u);
    for (size_t size = 0; size < bytes.size(); ++size) {
        // A copy of exactly size bytes, so that AddressSanitizer sees any read past it.
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + ptrdiff_t(size));
        EXPECT_THROW(ResourceTable::FromBytes(cut), QnExcept) << size;
    }
}

TEST(ResourceTable, DamagedFieldsAreRefusedWithAClearText)
{
    const struct {
        const char* what;
        size_t offset;
        uint32_t value;
        const char* message;
    } cases[] = {
        {"magic", 0, 0x53524E51 ^ 1, "signature"},
        {"version", 4, 2, "version 2"},
        {"entry count", 8, 0x0AAAAAAB, "index"},
        {"total size", 12, 0xFFFFFFF0, "cut short"},
        {"data offset", 16 + 16, 0xFFFFFFFF, "data of entry 0"},
        {"data size", 16 + 24 + 20, 0x7FFFFFFF, "data of entry 1"},
        {"type name offset", 16 + 24 + 4, 0x7FFFFFF0, "name lies outside"},
        {"name offset into the header", 16 + 4, 3, "name lies outside"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes = SmallTable();
        if (c.offset == 4)
            QnPutLE16(&bytes[c.offset], uint16_t(c.value));
        else
            QnPutLE32(&bytes[c.offset], c.value);
        try {
            ResourceTable::FromBytes(bytes);
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const QnExcept& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << c.what << ": " << error.what();
        }
    }

    // A name whose NUL was overwritten runs to the end of the table.
    std::vector<uint8_t> bytes = SmallTable();
    bytes.resize(QnGetLE32(&bytes[12]));
    const uint32_t nameAt = QnGetLE32(&bytes[16 + 2 * 24 + 12]);
    std::fill(bytes.begin() + nameAt, bytes.end(), 'x');
    EXPECT_THROW(ResourceTable::FromBytes(bytes), QnExcept);
}

TEST(ResourceSectionWriter, RefusesTheSameResourceTwice)
{
    ResourceSectionWriter writer;
    writer.Add("PiPL", 16000, {});
    writer.Add("PiPL", 16001, {});
    writer.Add(ResourceType::RcData, "16000", {});
    EXPECT_THROW(writer.Add("pipl", 16000, {}), QnExcept);
}
