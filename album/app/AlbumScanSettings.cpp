#include "album/app/AlbumScanSettings.h"

#include "framework/ProfileStore.h"

void AlbumScanSettings::Read(fw::ProfileStore& profile)
{
    folder = profile.GetString(kSection, "TMPFOLDER", "");
    extension = profile.GetString(kSection, "EXTENSION", "");
    format = profile.GetInt(kSection, "FILEFORMAT", Jpeg);
}

bool AlbumScanSettings::Write(fw::ProfileStore& profile) const
{
    bool written = true;
    if (!folder.empty())
        written = profile.WriteString(kSection, "TMPFOLDER", folder) && written;
    if (!extension.empty())
        written = profile.WriteString(kSection, "EXTENSION", extension) && written;
    return profile.WriteInt(kSection, "FILEFORMAT", format) && written;
}

std::string AlbumScanSettings::InitialFolder(const std::string& programFolder) const
{
    return folder.empty() ? programFolder : folder;
}

void AlbumScanSettings::TakeChoice(const std::string& chosenFolder, int32_t chosenFormat)
{
    folder = chosenFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    format = chosenFormat;
    switch (chosenFormat) {
    case Jpeg: extension = "JPG"; break;
    case Tiff: extension = "TIF"; break;
    case Bmp: extension = "BMP"; break;
    default: break;
    }
}
