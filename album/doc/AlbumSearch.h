// The search filter of an album: which ranges and patterns are in force.
// Kept with the open album but never stored in its file.
#pragma once

#include <cstdint>
#include <string>

class COvalbumRec;

struct AlbumSearch {
    int32_t byNumber = 0;
    int32_t numberFrom = 0;  // inclusive range of 0-based list positions
    int32_t numberTo = 0;
    int32_t byCreation = 0;
    int32_t byModification = 0;
    int32_t creationFrom = 0;  // inclusive bounds, seconds since 1970
    int32_t modificationFrom = 0;
    int32_t creationTo = 0;
    int32_t modificationTo = 0;
    std::string fileNamePattern;
    std::string aliasPattern;
    std::string groupPattern;
    std::string subgroupPattern;

    // Nothing in force; the upper time bounds are now.
    static AlbumSearch Defaults();

    // Whether the record at position (0-based, in list order) is found:
    // inside every range in force and matching every pattern given.
    bool Finds(const COvalbumRec& record, int32_t position) const;
};
