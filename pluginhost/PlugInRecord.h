// One catalogued filter plug-in: a module with several filters gives several
// records. The fields are those the catalogue file keeps, plus the ids of
// this process; the parameter handles of the last run are kept by the
// catalogue beside the record, so a copy of a record never shares them.
#pragma once

#include <cstdint>

constexpr int32_t kPlugInPathSize = 260;
constexpr int32_t kPlugInNameSize = 256;
constexpr int32_t kPlugInCategoryNameSize = 128;
constexpr int32_t kFilterCaseCount = 7;

// One case of the PiPL 'fici' property, as stored.
struct PlugInFilterCase {
    uint8_t inputHandling;
    uint8_t outputHandling;
    uint8_t flags1;
    uint8_t flags2;
};
static_assert(sizeof(PlugInFilterCase) == 4);

// Flags-1 bit of a filter case: the plug-in writes outside the selection.
constexpr uint8_t kFilterCaseWritesOutsideSelection = 0x08;

struct PlugInRecord {
    char path[kPlugInPathSize] = {};       // folder, '/', file name
    uint32_t timeLow = 0;                  // the module file's last-write time
    uint32_t timeHigh = 0;                 // (a file time: 100 ns since 1601)
    int32_t category = 0;                  // index into the category table
    char name[kPlugInNameSize] = {};       // display name (menu text)
    uint16_t modes = 0;                    // supported image modes (PiPL 'mode')
    char entry[kPlugInPathSize] = {};      // the filter's entry point
    char aboutEntry[kPlugInPathSize] = {}; // first entry met in the module
    uint32_t id = 0;                       // catalogue id, 1 and up
    uint32_t menuId = 0;                   // menu command id, 0 while none
    PlugInFilterCase filterCases[kFilterCaseCount] = {};
};
