// The message texts of the painting built-ins, by the ids of the program's
// string table, compiled in.
#pragma once

#include <string>

enum LdPaintingStrId : int {
    IDS_FILLING = 63063,
};

std::string PaintingString(int id);
