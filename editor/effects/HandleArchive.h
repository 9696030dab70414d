// A module's parameter block in a stored form: a little-endian 32-bit size,
// then that many bytes (size 0: no block). Palette items keep an effect's
// parameters this way, so that it replays without asking again.
#pragma once

#include "filters/sdk/PIFilter.h"

namespace fw {
class Archive;
}

// Null h writes size 0; an invalid h raises "Invalid memory handle"; an
// archive that is not storing raises "Bad archive operation".
void WriteHandleToArchive(Handle h, fw::Archive& archive);
// Null for size 0 (or when memory runs out); an archive that is not loading
// raises "Bad archive operation".
Handle ReadHandleFromArchive(fw::Archive& archive);
// A copy of h's block; an invalid h raises "Invalid memory handle".
Handle DuplicateHandleChecked(Handle h);
// Frees h; an invalid h raises "Invalid memory handle".
void FreeHandleChecked(Handle h);
