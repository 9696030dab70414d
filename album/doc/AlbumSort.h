// The four orders an album can be sorted in.
#pragma once

#include <memory>
#include <vector>

class COvalbumRec;

enum class AlbumSortKey { FileName, Alias, Creation, Modification };

// Sorts records by key: names ignoring case, times oldest first. Records
// that compare equal may end in any order.
void SortAlbumRecords(std::vector<std::unique_ptr<COvalbumRec>>& records, AlbumSortKey key);
