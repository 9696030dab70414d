#include "album/doc/AlbumSearch.h"

#include <ctime>

#include "album/doc/AlbumFileTimes.h"

AlbumSearch AlbumSearch::Defaults()
{
    AlbumSearch search;
    search.creationTo = search.modificationTo = AlbumTimeFrom(std::time(nullptr));
    return search;
}
