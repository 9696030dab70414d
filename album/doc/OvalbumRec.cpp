#include "album/doc/OvalbumRec.h"

#include "album/doc/AlbumFileTimes.h"
#include "framework/Archive.h"

FW_IMPLEMENT_SERIAL(COvalbumRec, fw::Object, 0)

COvalbumRec::COvalbumRec() = default;

void COvalbumRec::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring()) {
        ar << path << group << subgroup << alias << comments;
        ar << hasThumbnail << creationTime << modificationTime;
        if (hasThumbnail)
            ar.Write(thumbnail.data(), thumbnail.size());
        return;
    }
    ar >> path >> group >> subgroup >> alias >> comments;
    ar >> hasThumbnail >> creationTime >> modificationTime;
    if (hasThumbnail)
        ar.ReadExact(thumbnail.data(), thumbnail.size());
}

COvalbumRec::FileState COvalbumRec::GetFileState() const
{
    const auto times = ReadAlbumFileTimes(path);
    if (!times)
        return fileMissing;
    return times->modification != modificationTime ? fileChanged : fileUnchanged;
}

bool COvalbumRec::ReadFileTimes()
{
    const auto times = ReadAlbumFileTimes(path);
    if (!times)
        return false;
    creationTime = times->creation;
    modificationTime = times->modification;
    return true;
}

bool COvalbumRec::SetThumbnail(const WA& picture)
{
    if (!MakeAlbumThumbnail(picture, thumbnail))
        return false;
    hasThumbnail = 1;
    return true;
}
