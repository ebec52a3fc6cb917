#pragma once

#include "ParameterSet.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace ign {

// SHA-256 of any bytes (FIPS 180-4), so the core needs no library for it.
std::array<std::uint8_t, 32> Sha256(const std::uint8_t* data, std::size_t size);

// Hexadecimal digits of the digest that names a set wherever it is shown
// (a log's header and markers, the tune sheet).
inline constexpr std::size_t kSetDigestDigits = 12;

// The set's digest: SHA-256 over the 210 bytes of blocks 0-20 of its packed
// image, as its first kSetDigestDigits lower-case hexadecimal digits. The set
// is packed first, so the digest follows the blocks as a Program would send them.
std::string SetDigest(const ParameterSet& set);

}  // namespace ign
