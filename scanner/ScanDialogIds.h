// Control ids of the scanner dialogs.
#pragma once

#include <cstdint>

inline constexpr uint32_t IDC_SCAN_SOURCES = 1201;
inline constexpr uint32_t IDC_SCAN_DEVICE = 1202;
inline constexpr uint32_t IDC_SCAN_MODE = 1203;
inline constexpr uint32_t IDC_SCAN_RESOLUTION = 1204;
inline constexpr uint32_t IDC_SCAN_PROGRESS = 1205;
