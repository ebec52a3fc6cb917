#pragma once

#include <cstdint>

namespace ign {

enum class TransferMode : std::uint8_t { None = 0, Read = 1, Verify = 2, Program = 3 };

}  // namespace ign
