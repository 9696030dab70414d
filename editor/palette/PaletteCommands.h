// Command ids of the tool palette's context menus.
#pragma once

#include <cstdint>

inline constexpr uint32_t IDR_PALETTE_POPUPS = 145;
inline constexpr uint32_t ID_PALETTE_NEW_IMAGE = 32853;
inline constexpr uint32_t ID_PALETTE_DEFAULT_IMAGE = 32854;
inline constexpr uint32_t ID_PALETTE_ADD_TOOL = 32855;
inline constexpr uint32_t ID_PALETTE_DELETE_TOOL = 32856;
inline constexpr uint32_t ID_PALETTE_APPLY = 32857;
inline constexpr uint32_t ID_PALETTE_CUSTOMIZE = 32858;
inline constexpr uint32_t ID_PALETTE_RENAME = 32863;
