// The album's message texts and captions, by the ids of its string table.
// The album program points the table at its own resources; until then (and
// in the tests) the texts below are used.
#pragma once

#include "base/QnRcStr.h"

enum OvAlbumStrId {
    IDS_GROUP_CAPTION = 105,         // "Place"
    IDS_WRONG_VERSION = 130,         // "Wrong document version!"
    IDS_SUBGROUP_CAPTION = 32776,    // "More info"
    IDS_ALIAS_CAPTION = 32777,       // "Alias"
};

QnRcStr& OvAlbumRcStr();
