// The album search's name patterns: "*" for any run of characters at the
// ends and once inside, "?" for one character, both ignoring case.
#pragma once

#include <string>

// Whether value matches pattern. A pattern without "*" or "?" asks for the
// value itself (ignoring case).
bool AlbumPatternMatches(const std::string& value, const std::string& pattern);
