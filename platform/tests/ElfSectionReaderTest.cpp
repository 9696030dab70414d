#include "platform/ElfSectionReader.h"
#include "platform/ResourceTable.h"

#include "ModuleImage.h"
#include "TestFolder.h"

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <cstring>
#include <elf.h>
#include <functional>

using platform::ElfSectionReader;
using platform::ResourceTable;

namespace {

// Reads the resources of bytes written to a file; true when it raised.
bool RaisesOnRead(const TestFolder& folder, const std::string& bytes, std::string* message = nullptr)
{
    const std::string path = folder / "damaged.8bf";
    TestFolder::Write(path, bytes);
    try {
        ResourceTable::FromFile(path);
        return false;
    } catch (const QnExcept& error) {
        if (message)
            *message = error.what();
        return true;
    }
}

} // namespace

TEST(ElfSectionReader, ReadsANamedSectionAndAnswersNoneForAMissingOne)
{
    auto section = ElfSectionReader::ReadSection(TEST_MODULE_PATH, "pi_rsrc");
    ASSERT_TRUE(section);
    EXPECT_EQ(std::string(section->begin(), section->begin() + 4), "QNRS");
    EXPECT_FALSE(ElfSectionReader::ReadSection(TEST_MODULE_PATH, "pi_rsr"));
    EXPECT_FALSE(ElfSectionReader::ReadSection(TEST_MODULE_PATH, "no_such_section"));
}

TEST(ElfSectionReader, ATruncatedModuleIsRefusedWithoutACrash)
{
    TestFolder folder;
    const ModuleImage image(TEST_MODULE_PATH);
    for (size_t size = 0; size < image.bytes.size(); size += 61)
        EXPECT_TRUE(RaisesOnRead(folder, image.bytes.substr(0, size))) << size;
    EXPECT_TRUE(RaisesOnRead(folder, image.bytes.substr(0, image.bytes.size() - 1)));
}

TEST(ElfSectionReader, DamagedHeadersAreRefusedWithAClearText)
{
    TestFolder folder;
    const ModuleImage original(TEST_MODULE_PATH);
    const size_t rsrc = original.SectionHeaderAt("pi_rsrc");
    ASSERT_NE(rsrc, 0u);

    const struct {
        const char* what;
        std::function<void(ModuleImage&)> damage;
        const char* message;
    } cases[] = {
        {"not ELF", [](ModuleImage& m) { m.bytes = "[Host]\nHostnum=5\n" + std::string(100, ' '); }, "not an ELF file"},
        {"32-bit class", [](ModuleImage& m) { m.bytes[EI_CLASS] = ELFCLASS32; }, "64-bit"},
        {"big-endian", [](ModuleImage& m) { m.bytes[EI_DATA] = ELFDATA2MSB; }, "64-bit"},
        {"section table offset", [](ModuleImage& m) { m.Put(offsetof(Elf64_Ehdr, e_shoff), uint64_t(1) << 62); },
         "outside the file"},
        {"section table offset wraps", [](ModuleImage& m) { m.Put(offsetof(Elf64_Ehdr, e_shoff), ~uint64_t(0) - 8); },
         "outside the file"},
        {"section count", [](ModuleImage& m) { m.Put(offsetof(Elf64_Ehdr, e_shnum), uint16_t(0xFFFE)); },
         "outside the file"},
        {"section header size", [](ModuleImage& m) { m.Put(offsetof(Elf64_Ehdr, e_shentsize), uint16_t(32)); },
         "unknown size"},
        {"names index", [](ModuleImage& m) { m.Put(offsetof(Elf64_Ehdr, e_shstrndx), uint16_t(0xFFF0)); },
         "no section names"},
        {"section offset", [rsrc](ModuleImage& m) { m.Put(rsrc + offsetof(Elf64_Shdr, sh_offset), uint64_t(1) << 40); },
         "outside the file"},
        {"section size", [rsrc](ModuleImage& m) { m.Put(rsrc + offsetof(Elf64_Shdr, sh_size), ~uint64_t(0)); },
         "outside the file"},
        {"section without bytes", [rsrc](ModuleImage& m) { m.Put(rsrc + offsetof(Elf64_Shdr, sh_type), uint32_t(SHT_NOBITS)); },
         "holds no bytes"},
        {"table inside the section",
         [rsrc](ModuleImage& m) {
             Elf64_Shdr section;
             std::memcpy(&section, m.bytes.data() + rsrc, sizeof section);
             m.bytes[section.sh_offset] = 'X';
         },
         "Damaged resource table"},
    };
    for (const auto& c : cases) {
        ModuleImage image = original;
        c.damage(image);
        std::string message;
        ASSERT_TRUE(RaisesOnRead(folder, image.bytes, &message)) << c.what;
        EXPECT_NE(message.find(c.message), std::string::npos) << c.what << ": " << message;
        EXPECT_NE(message.find("damaged.8bf"), std::string::npos) << c.what << ": " << message;
    }
}

TEST(ElfSectionReader, AMissingFileIsRefused)
{
    EXPECT_THROW(ElfSectionReader::ReadSection("/no/such/module.8bf", "pi_rsrc"), QnExcept);
}

// A sparse file claims any size while it takes a few kilobytes on disk: the
// claims are refused before anything is allocated for them.
TEST(ElfSectionReader, SizesBeyondWhatAModuleHoldsAreRefusedUnread)
{
    TestFolder folder;
    const ModuleImage original(TEST_MODULE_PATH);
    const size_t rsrc = original.SectionHeaderAt("pi_rsrc");
    ASSERT_NE(rsrc, 0u);
    const Elf64_Ehdr header = original.Header();
    constexpr uint64_t GiB = uint64_t(1) << 30;

    const struct {
        const char* what;
        uint64_t fileSize;
        std::function<void(ModuleImage&)> damage;
        const char* message;
    } cases[] = {
        {"section of 1 GiB", 2 * GiB, [rsrc](ModuleImage& m) { m.Put(rsrc + offsetof(Elf64_Shdr, sh_size), GiB); },
         "larger than a module holds"},
        {"section of 100 GiB", 101 * GiB,
         [rsrc](ModuleImage& m) { m.Put(rsrc + offsetof(Elf64_Shdr, sh_size), 100 * GiB); },
         "larger than a module holds"},
        {"2^17 sections", 101 * GiB,
         [&header](ModuleImage& m) {
             m.Put(offsetof(Elf64_Ehdr, e_shnum), uint16_t(0));
             m.Put(header.e_shoff + offsetof(Elf64_Shdr, sh_size), uint64_t(1) << 17);
         },
         "more sections than a module holds"},
    };
    for (const auto& c : cases) {
        ModuleImage image = original;
        c.damage(image);
        const std::string path = folder / "sparse.8bf";
        TestFolder::Write(path, image.bytes);
        std::filesystem::resize_file(path, c.fileSize);
        try {
            ResourceTable::FromFile(path);
            ADD_FAILURE() << c.what << ": read";
        } catch (const QnExcept& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << c.what << ": " << error.what();
        }
    }
}
