// The editor's effect commands: each command id names one filter entry of one
// effect module, with a word the module keeps for that effect for as long as
// the program runs.
#pragma once

#include <cstdint>
#include <string>

// The command ranges of the effect commands, for the document's message map.
struct BuiltinEffectRange {
    uint32_t first;
    uint32_t last;
};
extern const BuiltinEffectRange kBuiltinEffectRanges[6];

// Looks the command up; each out may be null. 0 when the command is no
// effect (the outs untouched), else 1.
int FindBuiltinEffect(int32_t command, std::string* module, std::string* entry1, std::string* entry2,
                      intptr_t** dataWord, int32_t* flag);

// The number of effect rows (the end row not counted), for tests.
int BuiltinEffectCount();
// Command id of row i (0-based), for tests.
int32_t BuiltinEffectCommand(int i);
