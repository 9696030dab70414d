// The editor's message texts that the effect host raises, by the ids of the
// program's string table, compiled in.
#pragma once

#include <string>

enum LdEffectStrId : int {
    IDS_INVALID_HANDLE = 63036,
    IDS_BAD_ARCHIVE_OPERATION = 63037,
    IDS_CANT_LOAD_DLL = 63038,
    IDS_CANT_FIND_ENTRYPOINT = 63039,
    IDS_PROCESSING = 63040,
    IDS_ERROR_DURING_PROCESSING = 63041,
};

std::string EffectString(int id);
