// The display's abilities that choose a drawing context and its colour
// rules, recorded once for the life of the process.
#pragma once

#include <cstdint>

class DeviceContext;

struct ZvDisplay {
    enum Kind { Palette, LowColor, TrueColor };

    bool palette = false;     // the display realizes a hardware palette
    int bitsPerPixel = 24;    // bits per pixel times planes
    int paletteSize = 0;      // palette displays: entries, at most 256
    int reserved = 0;         // palette displays: system entries, at most 256
    int screenWidth = 1920;   // pixels across: a band holds about this many

    Kind GetKind() const { return palette ? Palette : bitsPerPixel < 9 ? LowColor : TrueColor; }
};

// The abilities recorded at load. The suite's displays are drawn through
// 24-bit device contexts, so this is a true-colour display unless a test
// records another one.
const ZvDisplay& ZvRecordedDisplay();
// Records other abilities (palette size and reserved count capped at 256);
// for tests of the other displays. Answers what was recorded before.
ZvDisplay ZvRecordDisplay(const ZvDisplay& display);
// The abilities of a device context: every context of the suite draws 24-bit
// pixels.
ZvDisplay ZvDisplayOf(const DeviceContext* dc);
