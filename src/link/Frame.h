#pragma once

#include "ParameterSet.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace ign {

inline constexpr std::size_t kFrameSize = 12;
using Frame = std::array<Byte, kFrameSize>;

// Request codes: write block n is n (0..20), read block n is 0x40 + n (0..21).
inline constexpr Byte kReadCode = 0x40;
// Answers carry the request code with bit 7 set; monitor frames are 0xB0..0xB3.
inline constexpr Byte kAnswerBit = 0x80;
inline constexpr Byte kMonitorCode = 0xB0;

// Complement of the exclusive-or of bytes 0..10, so a valid frame XORs to 0xFF.
Byte CheckByte(const Byte* frame);
// A frame (the first 12 bytes of a read) is valid when its twelve bytes XOR to 0xFF.
bool FrameValid(const Byte* frame);
// The request frame for code: a write carries image block n, a read ten zeros.
Frame BuildRequest(Byte frameCode, const DeviceImage& image);
// Sets byte 11 of a frame whose bytes 0..10 are filled.
void Seal(Frame& frame);

}  // namespace ign
