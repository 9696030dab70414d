#include "album/doc/AlbumSort.h"

#include <algorithm>
#include <strings.h>

#include "album/doc/OvalbumRec.h"

namespace {

bool Before(const COvalbumRec& a, const COvalbumRec& b, AlbumSortKey key)
{
    switch (key) {
    case AlbumSortKey::FileName: return strcasecmp(a.path.c_str(), b.path.c_str()) < 0;
    case AlbumSortKey::Alias: return strcasecmp(a.alias.c_str(), b.alias.c_str()) < 0;
    case AlbumSortKey::Creation: return a.creationTime < b.creationTime;
    case AlbumSortKey::Modification: return a.modificationTime < b.modificationTime;
    }
    return false;
}

} // namespace

void SortAlbumRecords(std::vector<std::unique_ptr<COvalbumRec>>& records, AlbumSortKey key)
{
    std::sort(records.begin(), records.end(), [key](const auto& a, const auto& b) { return Before(*a, *b, key); });
}
