#include "album/doc/AlbumSlideShow.h"

#include "album/doc/AlbumReadWA.h"
#include "album/doc/OvalbumDoc.h"

WA* AlbumSlideShow::Next(CProgress* progress)
{
    // Asked again each time: the album may change while the show runs.
    const auto found = doc_.GetFoundRecords();
    if (found.empty())
        return nullptr;
    WA* picture = ReadAlbumPicture(found[shown_ % found.size()]->path, progress);
    if (picture)
        ++shown_;
    return picture;
}
