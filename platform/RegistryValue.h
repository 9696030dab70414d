// A value of the registry store: a string, a 32-bit number or bytes (the
// string, double-word and binary values of the system's registry).
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace platform {

using RegistryValue = std::variant<std::string, uint32_t, std::vector<uint8_t>>;

} // namespace platform
