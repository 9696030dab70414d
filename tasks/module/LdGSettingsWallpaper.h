// The wallpaper of GNOME-like desktops: the keys picture-uri (and
// picture-uri-dark, for the dark style) and picture-options of
// org.gnome.desktop.background, read and set through the gsettings command.
// Tiled is the placement "wallpaper", centred "centered", no picture "none".
#pragma once

#include "tasks/module/LdWallpaperBackend.h"

#include <optional>
#include <string>

class CLdGSettingsWallpaper : public CLdWallpaperBackend {
public:
    static constexpr const char* kSchema = "org.gnome.desktop.background";

    // program: the gsettings command, found on PATH when it has no folder.
    explicit CLdGSettingsWallpaper(std::string program = "gsettings") : program_(std::move(program)) {}

    State Current() override;
    void Set(const State& state) override;

    // A string as gsettings prints and parses it: in single quotes, with
    // quotes and backslashes escaped by a backslash.
    static std::string Quote(const std::string& text);
    static std::optional<std::string> Unquote(std::string text);

private:
    std::optional<std::string> Get(const char* key) const;
    bool SetKey(const char* key, const std::string& value) const;

    std::string program_;
};
