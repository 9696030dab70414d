// The hosts a module knows by name and signature, one row each; the suite's
// own hosts are not among them and fall to "Unknown host".
#pragma once

#include <cstdint>

inline constexpr int32_t kHostCount = 6;
inline constexpr int32_t kUnknownHostRow = 5;

// The name shown for row 0..5.
const char* HostName(int32_t row);
// The first row whose signature is sig; kUnknownHostRow when none is.
int32_t HostRowForSignature(uint32_t sig);
