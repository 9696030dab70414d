// The desktop's wallpaper setting as the wallpaper wizard reads and sets it:
// the picture file shown ("" for none) and whether it is tiled or centred.
// The desktop's own backend is CLdGSettingsWallpaper; tests record the calls.
#pragma once

#include <string>

class CLdWallpaperBackend {
public:
    struct State {
        std::string file;  // "" when the desktop shows no picture
        bool tiled = false;
        // The desktop's own word for how the picture is placed, as found
        // (GNOME's "zoom", say); kept so that putting a found state back
        // gives the desktop exactly what it had. Empty: from tiled.
        std::string placement;
        bool operator==(const State&) const = default;
    };

    virtual ~CLdWallpaperBackend() = default;

    // What the desktop shows now.
    virtual State Current() = 0;
    // Makes state.file the wallpaper; "" removes the picture. A desktop that
    // refuses keeps what it had, without a word: the wizard does not check
    // the setting.
    virtual void Set(const State& state) = 0;
};
