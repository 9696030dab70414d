// Where a scanned or pasted picture is stored: the scan folder (taken from
// the album's folder when relative) and the first free "TW_<n>.<ext>" name.
#pragma once

#include <cstdint>
#include <string>

inline constexpr int32_t kScanNameTries = 100000;

// The folder scanned pictures go to: scanFolder itself when absolute, else
// put after baseFolder (the album's folder, or the program's). Ends in "/".
std::string ScanStoreFolder(const std::string& scanFolder, const std::string& baseFolder);

// folder + "TW_<n>." + extension for the smallest n from 0 that names no
// file; empty when the first tries names are all taken.
std::string FreeScanFileName(const std::string& folder, const std::string& extension,
                             int32_t tries = kScanNameTries);
