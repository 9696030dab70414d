// Large zero-filled byte buffers, such as a whole picture as a DIB or a
// mask of every pixel. Each page of a fresh buffer costs a fault when it is
// first written; the storage of a large one is offered to the kernel for
// its large pages, which cuts those faults several hundredfold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// n zero bytes.
std::vector<uint8_t> ZeroedBytes(size_t n);

// out holds n zero bytes afterwards (its old contents are dropped).
void AssignZeroedBytes(std::vector<uint8_t>& out, size_t n);

}  // namespace platform
