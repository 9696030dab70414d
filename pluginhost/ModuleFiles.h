// The module files of a plug-in folder: regular files whose name ends in
// ".8bf" (letter case ignored), in byte order of their names. Sub-folders
// are not entered.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ModuleFile {
    std::string path;  // folder, '/', file name
    uint64_t fileTime; // last-write time as a file time (100 ns since 1601)
};

std::vector<ModuleFile> ListModuleFiles(const std::string& folder);

// The path of a file of a folder, with one '/' between them.
std::string PathInFolder(const std::string& folder, const std::string& name);

// Last-write time of a file as a file time; 0 when it cannot be read.
uint64_t FileTimeOf(const std::string& path);
