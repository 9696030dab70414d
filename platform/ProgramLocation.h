// Where the running program lies, and the files that lie beside it: its
// modules and the default files shipped with it.
#pragma once

#include <string>

namespace platform {

class ProgramLocation {
public:
    // Full path of the program file (/proc/self/exe).
    static std::string ProgramPath();
    // The program's folder, ending in "/".
    static std::string ProgramFolder();
    // The program file's name without its folder ("Telvy12").
    static std::string ProgramName();

    // A module or file name as the program means it: a name with a folder
    // ("/opt/x/Wrenkit.so", "sub/Wrenkit.so") is used as it is; a bare name is
    // taken from the program's folder.
    static std::string ResolveBesideProgram(const std::string& name);
};

} // namespace platform
