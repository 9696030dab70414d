// The bytes of a module file, with a way to reach and change its ELF
// headers: damaged and hostile modules made from a real one.
#pragma once

#include "TestFolder.h"

#include <cstddef>
#include <cstring>
#include <elf.h>
#include <string>

struct ModuleImage {
    explicit ModuleImage(const std::string& path) : bytes(TestFolder::Read(path)) {}

    std::string bytes;

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
