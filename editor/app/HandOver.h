// A second start of the editor with files: each file goes to the running
// editor as a message of its own over its instance channel, named by its
// absolute path (the running editor has a folder of its own), of any length.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// True when the editor pid took every file of args; false when args name
// no file or the editor did not answer (this start then runs on its own).
bool LdHandFilesOver(int64_t pid, const std::vector<std::string>& args);
// Starts program with args as a process of its own; false when it could
// not be started.
bool LdStartDetached(const std::string& program, const std::vector<std::string>& args);
