// The colour chooser, on COLORREF values (0x00BBGGRR). Tests answer it
// through the hook.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace fw {

using ColorRef = uint32_t;
constexpr ColorRef Rgb(uint8_t r, uint8_t g, uint8_t b) { return r | (g << 8) | (uint32_t(b) << 16); }
constexpr uint8_t RedOf(ColorRef c) { return c & 0xFF; }
constexpr uint8_t GreenOf(ColorRef c) { return (c >> 8) & 0xFF; }
constexpr uint8_t BlueOf(ColorRef c) { return (c >> 16) & 0xFF; }

// Answers with the chosen colour, or nothing for Cancel.
using ColorDialogHook = std::function<std::optional<ColorRef>(ColorRef initial)>;
ColorDialogHook SetColorDialogHook(ColorDialogHook hook);

std::optional<ColorRef> RunColorDialog(ColorRef initial, QWidget* owner = nullptr);

}  // namespace fw
