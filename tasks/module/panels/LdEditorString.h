// Strings the option panels take from the editor's string table (the fill
// types, what a fill covers): a panel runs while the editor's resources are
// the current ones, so these ids are the editor's, not the module's.
#pragma once

#include <cstdint>
#include <string>

// String id of the program (or of a module after it), cut to 127
// characters; empty when no table has it.
std::string LdEditorString(int32_t id);
