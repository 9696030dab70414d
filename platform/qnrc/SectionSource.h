// The C source that places a resource table in a module's "pi_rsrc" section
// and gives the module the function through which it finds its own table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// C source holding table; origin names the description in a comment.
std::string SectionSource(const std::vector<uint8_t>& table, const std::string& origin);
