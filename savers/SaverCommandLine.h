// What a saver program is asked to do by its command line: the switches of
// the system's screen-saver control ("c", "p <window>", "s", with "/" or "-"
// before them) and the conventions of xscreensaver ("-root", which draws into
// $XSCREENSAVER_WINDOW when the daemon names one, and "-window-id <id>").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class SaverMode {
    Settings,    // the settings dialog
    Preview,     // the effect drawn inside a window of another program
    FullScreen,  // the effect over the whole screen until the first input
    Quit,        // nothing to do: the program ends without a window
};

struct SaverCommand {
    SaverMode mode = SaverMode::Quit;
    uint64_t window = 0;  // Preview: the native window to draw into

    bool operator==(const SaverCommand&) const = default;
};

// One leading '-' or '/' skipped, the rest equal to word without case. A
// switch with more after it ("c:1234") does not match.
bool MatchSaverSwitch(std::string_view argument, std::string_view word);

// A native window id: decimal, or hexadecimal after "0x" as xscreensaver
// writes it; 0 when the text is not a whole number or names no window.
uint64_t ParseSaverWindowId(std::string_view text);

// args without the program itself; xscreensaverWindow is the value of
// $XSCREENSAVER_WINDOW (empty when unset).
SaverCommand ParseSaverCommandLine(const std::vector<std::string>& args, std::string_view xscreensaverWindow);
