// The integer reading of the Windows profile functions: a leading signed
// decimal number, the rest of the text ignored.
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// Blanks, then an optional sign, then digits; text without digits gives 0.
// A number beyond the 32-bit range is held to its nearest end.
int32_t ParseLeadingInt(std::string_view text);

} // namespace platform
