#include "tasks/module/LdWallpaperSetter.h"

#include "base/QnExcept.h"
#include "tasks/module/LdPictureFile.h"

CLdWallpaperSetter::CLdWallpaperSetter(const void* dib, uint32_t dibSize, std::string folder,
                                       platform::RegistryStore registry, CLdWallpaperBackend& desktop)
    : dib_(dib), dibSize_(dibSize), folder_(std::move(folder)), registry_(std::move(registry)), desktop_(desktop)
{
}

void CLdWallpaperSetter::Open()
{
    saved_ = desktop_.Current();
    tiled = saved_.tiled ? 1 : 0;
}

void CLdWallpaperSetter::RecordTiling()
{
    try {
        registry_.SetString(kDesktopKey, kTileValue, std::to_string(tiled));
    } catch (const QnExcept&) {
        // Only a record of the choice: the desktop takes the tiling directly,
        // so a store that cannot be written costs nothing worth a message.
    }
}

void CLdWallpaperSetter::SetDesktopWallpaper()
{
    const std::string path = PicturePath();
    CLdPictureFile::Write(path, dib_, dibSize_);
    RecordTiling();
    desktop_.Set({usePicture ? path : std::string(), tiled != 0, {}});
    applied_ = true;
}

void CLdWallpaperSetter::Restore()
{
    tiled = saved_.tiled ? 1 : 0;
    if (!applied_)
        return;
    // The wallpaper found, whatever "Use picture" says now: Cancel takes
    // back what Apply did and must not leave the desktop bare.
    RecordTiling();
    desktop_.Set(saved_);
    applied_ = false;
}
