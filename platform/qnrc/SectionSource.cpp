#include "SectionSource.h"

#include "platform/ResourceFormat.h"

#include <cstdio>

std::string SectionSource(const std::vector<uint8_t>& table, const std::string& origin)
{
    const std::string section = platform::ResourceFormat::kSectionName;
    std::string out;
    out += "/* Resource table made by qnrc from " + origin + ". Do not edit. */\n";
    out += "#include <stddef.h>\n\n";
    // Read-only and allocated, so that the running module can read it; the
    // linker then provides __start_ and __stop_ symbols around the section.
    out += "__attribute__((section(\"" + section + "\"), used, aligned(8)))\n";
    out += "static const unsigned char qn_resource_table[" + std::to_string(table.size()) + "] = {";
    char byte[8];
    for (size_t i = 0; i < table.size(); ++i) {
        if (i % 16 == 0)
            out += "\n   ";
        std::snprintf(byte, sizeof byte, " 0x%02x,", table[i]);
        out += byte;
    }
    out += "\n};\n\n";
    // Hidden, so that each module binds to its own section and its own copy
    // of the function, never to those of another module or of the program.
    out += "extern const unsigned char __start_" + section + "[] __attribute__((visibility(\"hidden\")));\n";
    out += "extern const unsigned char __stop_" + section + "[] __attribute__((visibility(\"hidden\")));\n\n";
    out += "__attribute__((visibility(\"hidden\"))) const unsigned char* qn_own_resources(size_t* size);\n\n";
    out += "const unsigned char* qn_own_resources(size_t* size)\n{\n";
    out += "    *size = (size_t)(__stop_" + section + " - __start_" + section + ");\n";
    out += "    return __start_" + section + ";\n}\n";
    return out;
}
