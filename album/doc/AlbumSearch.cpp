#include "album/doc/AlbumSearch.h"

#include <ctime>

#include "album/doc/AlbumFileTimes.h"
#include "album/doc/AlbumPattern.h"
#include "album/doc/OvalbumRec.h"

AlbumSearch AlbumSearch::Defaults()
{
    AlbumSearch search;
    search.creationTo = search.modificationTo = AlbumTimeFrom(std::time(nullptr));
    return search;
}

namespace {

bool Within(int32_t value, int32_t from, int32_t to)
{
    return from <= value && value <= to;
}

bool Matches(const std::string& value, const std::string& pattern)
{
    return pattern.empty() || AlbumPatternMatches(value, pattern);
}

} // namespace

bool AlbumSearch::Finds(const COvalbumRec& record, int32_t position) const
{
    if (byNumber && !Within(position, numberFrom, numberTo))
        return false;
    if (byCreation && !Within(record.creationTime, creationFrom, creationTo))
        return false;
    if (byModification && !Within(record.modificationTime, modificationFrom, modificationTo))
        return false;
    return Matches(record.path, fileNamePattern) && Matches(record.alias, aliasPattern) &&
           Matches(record.group, groupPattern) && Matches(record.subgroup, subgroupPattern);
}
