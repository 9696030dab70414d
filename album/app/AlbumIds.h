// Command, dialog and control ids of the album program's own windows.
#pragma once

#include <cstdint>

inline constexpr uint32_t ID_OPTIONS_TMPFOLDER = 32800;  // Options > "&Temporary Folder..."
inline constexpr uint32_t ID_WEB_SITE = 32885;           // "Quendle Software Web site"

inline constexpr uint32_t IDD_FILE_SAVE_OPTIONS = 141;
inline constexpr uint32_t IDC_BROWSE = 1030;
inline constexpr uint32_t IDC_FOLDER = 1031;
inline constexpr uint32_t IDC_FORMAT = 1032;

inline constexpr uint32_t IDD_ABOUTBOX = 145;
inline constexpr uint32_t IDC_MEMORY = 1080;
inline constexpr uint32_t IDC_DISK = 1081;
