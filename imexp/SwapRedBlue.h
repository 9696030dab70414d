// Turns rows of 3-byte pixels between the work areas' blue, green, red and
// the red, green, blue order of the files, many pixels a step: a byte loop
// of this costs more than reading or writing an uncompressed file.
#pragma once

#include <cstddef>
#include <cstdint>

namespace imexp {

// Writes count pixels of in to out with the first and third byte of each
// exchanged. in and out may be the same row; otherwise they must not overlap.
void SwapRedBlue(const uint8_t* in, uint8_t* out, size_t count);

} // namespace imexp
