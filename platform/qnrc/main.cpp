// qnrc: turns a module's resource description into the C source of its
// "pi_rsrc" section, and writes the files it read as a build dependency file.
//
//   qnrc <description> <output.c> [<depfile>]

#include "ResourceScript.h"
#include "SectionSource.h"

#include "platform/AtomicFile.h"

#include "base/QnExcept.h"

#include <iostream>

namespace {

// A path as a Makefile-style dependency file needs it.
std::string DepfileEscape(const std::string& path)
{
    std::string out;
    for (char c : path) {
        if (c == ' ' || c == '#' || c == '\\')
            out += '\\';
        if (c == '$')
            out += '$';
        out += c;
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: qnrc <description> <output.c> [<depfile>]\n";
        return 2;
    }
    const std::string description = argv[1], output = argv[2];
    try {
        ResourceScript script = ResourceScript::Read(description);
        platform::AtomicFile::Replace(output, SectionSource(script.Resources().Bytes(), description));
        if (argc == 4) {
            std::string rule = DepfileEscape(output) + ": " + DepfileEscape(description);
            for (const std::string& file : script.Files())
                rule += " \\\n  " + DepfileEscape(file);
            platform::AtomicFile::Replace(argv[3], rule + "\n");
        }
    } catch (const QnExcept& error) {
        std::cerr << "qnrc: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
