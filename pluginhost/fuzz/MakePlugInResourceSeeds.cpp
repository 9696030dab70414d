// Writes the seeds of the fuzz target of the scan's resource reading: the
// smallest ELF files that hold a resource table made by the section writer
// the build uses, with property lists and the older resource pair.
#include "base/fuzz/SeedWriter.h"
#include "base/QnLittleEndian.h"
#include "platform/ResourceFormat.h"
#include "platform/ResourceSectionWriter.h"

#include <cstring>
#include <elf.h>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Append(Bytes& bytes, const std::string& text) { bytes.insert(bytes.end(), text.begin(), text.end()); }

void Pad(Bytes& bytes)
{
    while (bytes.size() % 8)
        bytes.push_back(0);
}

// An ELF file of three sections: none, the section names, and the named
// section holding section.
Bytes ElfWithSection(const char* name, const Bytes& section)
{
    Bytes names{0};
    Append(names, ".shstrtab");
    names.push_back(0);
    const uint32_t nameAt = uint32_t(names.size());
    Append(names, name);
    names.push_back(0);

    Bytes file(sizeof(Elf64_Ehdr), 0);
    const uint64_t namesAt = file.size();
    file.insert(file.end(), names.begin(), names.end());
    Pad(file);
    const uint64_t sectionAt = file.size();
    file.insert(file.end(), section.begin(), section.end());
    Pad(file);
    const uint64_t headersAt = file.size();

    Elf64_Ehdr header{};
    std::memcpy(header.e_ident, ELFMAG, SELFMAG);
    header.e_ident[EI_CLASS] = ELFCLASS64;
    header.e_ident[EI_DATA] = ELFDATA2LSB;
    header.e_ident[EI_VERSION] = EV_CURRENT;
    header.e_type = ET_DYN;
    header.e_machine = EM_X86_64;
    header.e_version = EV_CURRENT;
    header.e_shoff = headersAt;
    header.e_ehsize = sizeof(Elf64_Ehdr);
    header.e_shentsize = sizeof(Elf64_Shdr);
    header.e_shnum = 3;
    header.e_shstrndx = 1;
    std::memcpy(file.data(), &header, sizeof header);

    Elf64_Shdr sections[3]{};
    sections[1] = {1, SHT_STRTAB, 0, 0, namesAt, names.size(), 0, 0, 1, 0};
    sections[2] = {nameAt, SHT_PROGBITS, SHF_ALLOC, 0, sectionAt, section.size(), 0, 0, 8, 0};
    const auto* raw = reinterpret_cast<const uint8_t*>(sections);
    file.insert(file.end(), raw, raw + sizeof sections);
    return file;
}

// A property list: version 1, the properties, each '8BIM', key, id 0,
// length and the value padded to four bytes.
class PropertyList {
public:
    PropertyList& Add(const char* key, const Bytes& value)
    {
        for (const char* code : {"8BIM", key})
            for (int i = 3; i >= 0; --i)
                body_.push_back(uint8_t(code[i]));
        Word(0);
        Word(uint32_t(value.size()));
        body_.insert(body_.end(), value.begin(), value.end());
        while (body_.size() % 4)
            body_.push_back(0);
        ++count_;
        return *this;
    }
    PropertyList& Pascal(const char* key, const std::string& text)
    {
        Bytes value{uint8_t(text.size())};
        Append(value, text);
        return Add(key, value);
    }
    PropertyList& CString(const char* key, const std::string& text)
    {
        Bytes value;
        Append(value, text);
        value.push_back(0);
        return Add(key, value);
    }
    Bytes Build() const
    {
        Bytes out{1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QnPutLE32(&out[6], count_);
        out.insert(out.end(), body_.begin(), body_.end());
        return out;
    }

private:
    void Word(uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            body_.push_back(uint8_t(v >> (8 * i)));
    }
    Bytes body_;
    uint32_t count_ = 0;
};

Bytes Filter(const std::string& name, const std::string& entry, const std::string& category)
{
    PropertyList list;
    list.Add("kind", {'M', 'F', 'B', '8'}).Pascal("name", name).CString("wx86", entry).Add("mode", {0x50, 0});
    if (!category.empty())
        list.Pascal("catg", category);
    list.Add("fici", Bytes(28, 1));
    return list.Build();
}

Bytes OldFilter(const std::string& name)
{
    Bytes b{3, 0};
    Append(b, name);
    b.push_back(0);
    return b;
}

Bytes OldInfo(const std::string& category)
{
    Bytes b{3, 0};
    Append(b, category);
    b.push_back(0);
    for (uint16_t w : {4, 0, 0, 16, 1, 0x10}) {
        b.push_back(uint8_t(w));
        b.push_back(uint8_t(w >> 8));
    }
    Append(b, "    ");
    return b;
}

} // namespace

int main(int argc, char** argv)
{
    SeedWriter seeds;
    if (!seeds.Open(argc, argv))
        return 2;

    platform::ResourceSectionWriter pipl;
    pipl.Add("PiPL", 16000, Filter("Rubber...", "ENTRYPOINT1", "Orvane Collection: Rubber"));
    pipl.Add("PiPL", 16001, Filter("Perspe...", "ENTRYPOINT14", "Orvane Collection: Rubber"));
    pipl.Add(platform::ResourceType::String, 1, {'h', 'i'});
    seeds.Write("pipl.8bf", ElfWithSection(platform::ResourceFormat::kSectionName, pipl.Bytes()));

    platform::ResourceSectionWriter old;
    old.Add("PiMI", 1, OldInfo("Old"));
    old.Add("_8BFM", 1, OldFilter("First"));
    old.Add("PiMI", 2, OldInfo(""));
    old.Add("_8BFM", 2, OldFilter("Second"));
    seeds.Write("oldform.8bf", ElfWithSection(platform::ResourceFormat::kSectionName, old.Bytes()));

    seeds.Write("noresources.8bf", ElfWithSection(".text", Bytes(16, 0xC3)));
    return seeds.Done();
}
