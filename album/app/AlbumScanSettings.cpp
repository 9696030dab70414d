#include "album/app/AlbumScanSettings.h"

#include <QStandardPaths>

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

std::string AlbumScanSettings::InitialFolder(const std::string& picturesFolder,
                                             const std::string& programFolder) const
{
    if (!folder.empty())
        return folder;
    return picturesFolder.empty() ? programFolder : picturesFolder;
}

std::string AlbumScanSettings::UserPicturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty())
        return {};
    return pictures.toStdString() + "/";
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
