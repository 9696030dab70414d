// What the brush display shows: a packed DIB turned by an angle into a
// square of the given side, as a packed DIB of the same header and colour
// table whose pixels outside the turned picture are 255 (no paint, for a
// brush). Rows stay in the DIB's stored order.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Nothing for a damaged DIB, one of fewer than 8 bits per pixel, or a side
// below 1.
std::vector<uint8_t> RotatedDibView(std::span<const uint8_t> dib, int32_t side, int32_t degrees);
