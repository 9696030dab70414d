#include "platform/ElfSectionReader.h"

#include "platform/SystemError.h"

#include "base/QnLittleEndian.h"

#include <cerrno>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Field offsets of the ELF64 file header and section header.
constexpr size_t kFileHeaderSize = 64;
constexpr size_t kShoff = 0x28;
constexpr size_t kShentsize = 0x3A;
constexpr size_t kShnum = 0x3C;
constexpr size_t kShstrndx = 0x3E;
constexpr size_t kSectionHeaderSize = 64;
constexpr size_t kShName = 0;
constexpr size_t kShType = 4;
constexpr size_t kShOffset = 24;
constexpr size_t kShSize = 32;
constexpr size_t kShLink = 40;
static_assert(sizeof(Elf64_Ehdr) == kFileHeaderSize && offsetof(Elf64_Ehdr, e_shoff) == kShoff &&
              offsetof(Elf64_Ehdr, e_shentsize) == kShentsize && offsetof(Elf64_Ehdr, e_shnum) == kShnum &&
              offsetof(Elf64_Ehdr, e_shstrndx) == kShstrndx);
static_assert(sizeof(Elf64_Shdr) == kSectionHeaderSize && offsetof(Elf64_Shdr, sh_name) == kShName &&
              offsetof(Elf64_Shdr, sh_type) == kShType && offsetof(Elf64_Shdr, sh_offset) == kShOffset &&
              offsetof(Elf64_Shdr, sh_size) == kShSize && offsetof(Elf64_Shdr, sh_link) == kShLink);

class ElfFile {
public:
    explicit ElfFile(const std::string& path) : path_(path)
    {
        fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat info;
        if (fd_ < 0 || fstat(fd_, &info) != 0)
            Fail("can't be read: " + ErrnoText(errno), __LINE__);
        size_ = uint64_t(info.st_size);
    }
    ~ElfFile()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    ElfFile(const ElfFile&) = delete;
    ElfFile& operator=(const ElfFile&) = delete;

    uint64_t Size() const { return size_; }

    // size bytes at offset, which must lie within the file and be no more
    // than a module's section can hold.
    std::vector<uint8_t> Read(uint64_t offset, uint64_t size, const std::string& what) const
    {
        if (offset > size_ || size > size_ - offset)
            Fail(what + " lies outside the file", __LINE__);
        if (size > ElfSectionReader::kMaxSectionBytes)
            Fail(what + " is larger than a module holds (" + std::to_string(size) + " bytes)", __LINE__);
        std::vector<uint8_t> bytes(static_cast<size_t>(size));
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t got = pread(fd_, bytes.data() + done, bytes.size() - done, off_t(offset + done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                Fail(std::string("can't be read: ") + (got < 0 ? ErrnoText(errno) : "it is shorter than it was"),
                     __LINE__);
            done += size_t(got);
        }
        return bytes;
    }

    [[noreturn]] void Fail(const std::string& what, int line) const
    {
        RaiseError(path_ + ": " + what, "ElfSectionReader", line);
    }

private:
    std::string path_;
    int fd_ = -1;
    uint64_t size_ = 0;
};

} // namespace

std::optional<std::vector<uint8_t>> ElfSectionReader::ReadSection(const std::string& path, std::string_view name)
{
    ElfFile file(path);
    if (file.Size() < kFileHeaderSize)
        file.Fail("not an ELF file", __LINE__);
    const std::vector<uint8_t> header = file.Read(0, kFileHeaderSize, "the file header");
    if (std::memcmp(header.data(), ELFMAG, SELFMAG) != 0)
        file.Fail("not an ELF file", __LINE__);
    if (header[EI_CLASS] != ELFCLASS64 || header[EI_DATA] != ELFDATA2LSB)
        file.Fail("not a 64-bit little-endian ELF file", __LINE__);

    const uint64_t tableOffset = QnGetLE64(&header[kShoff]);
    const uint16_t entrySize = QnGetLE16(&header[kShentsize]);
    uint64_t count = QnGetLE16(&header[kShnum]);
    uint64_t namesIndex = QnGetLE16(&header[kShstrndx]);
    if (tableOffset == 0)
        return std::nullopt; // no section headers at all
    if (entrySize != kSectionHeaderSize)
        file.Fail("section headers of an unknown size", __LINE__);

    // With many sections the real count and the names index live in the
    // first section header.
    const std::vector<uint8_t> first = file.Read(tableOffset, kSectionHeaderSize, "the section headers");
    if (count == 0)
        count = QnGetLE64(&first[kShSize]);
    if (namesIndex == SHN_XINDEX)
        namesIndex = QnGetLE32(&first[kShLink]);
    if (count > file.Size() / kSectionHeaderSize)
        file.Fail("the section headers lie outside the file", __LINE__);
    if (count > kMaxSectionCount)
        file.Fail("more sections than a module holds (" + std::to_string(count) + ")", __LINE__);
    const std::vector<uint8_t> table = file.Read(tableOffset, count * kSectionHeaderSize, "the section headers");
    if (namesIndex == SHN_UNDEF || namesIndex >= count)
        file.Fail("no section names", __LINE__);

    const uint8_t* namesHeader = &table[namesIndex * kSectionHeaderSize];
    if (QnGetLE32(namesHeader + kShType) == SHT_NOBITS)
        file.Fail("no section names", __LINE__);
    const std::vector<uint8_t> names =
        file.Read(QnGetLE64(namesHeader + kShOffset), QnGetLE64(namesHeader + kShSize), "the section names");

    for (uint64_t i = 1; i < count; ++i) {
        const uint8_t* section = &table[i * kSectionHeaderSize];
        const uint32_t nameOffset = QnGetLE32(section + kShName);
        if (nameOffset >= names.size())
            continue; // a name outside the names section names nothing
        const char* sectionName = reinterpret_cast<const char*>(&names[nameOffset]);
        const size_t length = strnlen(sectionName, names.size() - nameOffset);
        if (std::string_view(sectionName, length) != name || length == names.size() - nameOffset)
            continue;
        if (QnGetLE32(section + kShType) == SHT_NOBITS)
            file.Fail("section " + std::string(name) + " holds no bytes", __LINE__);
        return file.Read(QnGetLE64(section + kShOffset), QnGetLE64(section + kShSize), "section " + std::string(name));
    }
    return std::nullopt;
}

} // namespace platform
