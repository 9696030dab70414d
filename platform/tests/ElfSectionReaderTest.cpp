#include "platform/ElfSectionReader.h"
#include "platform/ResourceTable.h"

#include "TestFolder.h"

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <cstring>
#include <elf.h>
#include <functional>

using platform::ElfSectionReader;
using platform::ResourceTable;

namespace {

// The test module's bytes, with a way to reach its headers.
struct ModuleImage {
    std::string bytes = TestFolder::Read(TEST_MODULE_PATH);

    Elf64_Ehdr Header() const
    {
        Elf64_Ehdr header;
        std::memcpy(&header, bytes.data(), sizeof header);
        return header;
    }
    // Offset in the file of the section header named name.
    size_t SectionHeaderAt(const char* name) const
    {
        const Elf64_Ehdr header = Header();
        Elf64_Shdr names;
        std::memcpy(&names, bytes.data() + header.e_shoff + header.e_shstrndx * sizeof(Elf64_Shdr), sizeof names);
        for (size_t i = 0; i < header.e_shnum; ++i) {
            const size_t at = header.e_shoff + i * sizeof(Elf64_Shdr);
            Elf64_Shdr section;
            std::memcpy(&section, bytes.data() + at, sizeof section);
            if (std::strcmp(bytes.data() + names.sh_offset + section.sh_name, name) == 0)
                return at;
        }
        return 0;
    }
    template <class T>
    void Put(size_t offset, T value)
    {
        std::memcpy(bytes.data() + offset, &value, sizeof value);
    }
};

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
    const ModuleImage image;
    for (size_t size = 0; size < image.bytes.size(); size += 61)
        EXPECT_TRUE(RaisesOnRead(folder, image.bytes.substr(0, size))) << size;
    EXPECT_TRUE(RaisesOnRead(folder, image.bytes.substr(0, image.bytes.size() - 1)));
}

TEST(ElfSectionReader, DamagedHeadersAreRefusedWithAClearText)
{
    TestFolder folder;
    const ModuleImage original;
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
