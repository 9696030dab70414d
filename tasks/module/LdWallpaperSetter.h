// What the wallpaper dialog does to the desktop, without the dialog: the
// picture file "lodo40.bmp", the tiling recorded in the registry
// ("Control Panel\desktop", "TileWallpaper" = "0" or "1") and the desktop's
// wallpaper setting; and on Cancel, what the desktop had when the dialog
// opened.
#pragma once

#include "platform/RegistryStore.h"
#include "tasks/module/LdWallpaperBackend.h"

#include <cstdint>
#include <string>

class CLdWallpaperSetter {
public:
    static constexpr const char* kPictureFileName = "lodo40.bmp";
    static constexpr const char* kDesktopKey = "Control Panel\\desktop";
    static constexpr const char* kTileValue = "TileWallpaper";

    // dib stays the caller's and must outlive the setter; folder (ending in
    // "/") receives the picture file.
    CLdWallpaperSetter(const void* dib, uint32_t dibSize, std::string folder, platform::RegistryStore registry,
                       CLdWallpaperBackend& desktop);

    // Takes what the desktop shows now: kept for Cancel, and its tiling
    // becomes the dialog's.
    void Open();

    // The dialog's choices: 0 centred, 1 tiled; the picture shown or none.
    int tiled = 0;
    int usePicture = 1;

    // Apply and OK: writes the picture file (also when no picture is to be
    // shown), records the tiling and sets the wallpaper: the file when
    // usePicture is set, else none. A file that cannot be written raises
    // QnExcept with the system's reason before anything is set.
    void SetDesktopWallpaper();
    // Cancel: the tiling found at opening, and when anything was applied,
    // the desktop as it was found. Raises nothing.
    void Restore();

    std::string PicturePath() const { return folder_ + kPictureFileName; }
    const CLdWallpaperBackend::State& Saved() const { return saved_; }
    bool Applied() const { return applied_; }

private:
    void RecordTiling();

    const void* dib_;
    uint32_t dibSize_;
    std::string folder_;
    platform::RegistryStore registry_;
    CLdWallpaperBackend& desktop_;
    CLdWallpaperBackend::State saved_;
    bool applied_ = false;
};
