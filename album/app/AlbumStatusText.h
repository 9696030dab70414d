// A message of the album's string table with its one "%d" or "%s" filled.
#pragma once

#include <string>

std::string AlbumStatusText(int stringId, int number);
std::string AlbumStatusText(int stringId, const std::string& text);
