#pragma once

#include <array>
#include <cstdint>

namespace ign {

using Byte = std::uint8_t;
using Points10 = std::array<Byte, 10>;
using Points5 = std::array<Byte, 5>;

// Every value is one byte in the unit's encoding; the field order is the
// order the rest of the program (settings, files, editors) walks them in.
struct IgnitionBlock {
    Points10 RPM_A{};
    Points10 ADV_A{};
    Points10 RPM_B{};
    Points10 ADV_B{};
    Byte OMEZ1 = 0;
    Byte OMEZ2 = 0;
    Byte OMEZ_D = 0;
    Byte CLUTCH = 0;
    Byte NA = 0;
    Byte Gas1 = 0;
    Byte Gas2 = 0;
    Byte GasT = 0;
    Byte GasD = 0;
    Byte KEYING = 0;
    Byte POV_OM = 0;
    Byte LED_RAZ = 0;
    Byte CAS_IN = 0;
    Byte BLOK = 0;
    Byte GasEnable = 0;
    Byte RPM2 = 0;
    Byte EXCITATION = 0;
    Byte PALEC = 0;

    bool operator==(const IgnitionBlock&) const = default;
};

inline constexpr int kMapSize = 10;

struct InjectionBlock {
    Points10 KOR_23{};
    Points10 POLOHA{};
    Points10 RPM_JET{};
    // Row t (throttle), column r (speed point r of RPM_JET): cell (t, r) = JET[10 * t + r].
    std::array<Byte, kMapSize * kMapSize> JET{};
    Points5 WATER{};
    Points5 AIR{};
    Byte CHLAZENI = 0;
    Byte START_JET = 0;
    Byte POLOHA_PRO = 0;
    Byte DEAD_TIME = 0;
    Byte AKCEL_PRAH = 0;
    Byte AKCEL_PER = 0;
    Byte AKCEL_JET = 0;
    Byte TPS_0 = 0;
    Byte TPS_100 = 0;

    bool operator==(const InjectionBlock&) const = default;
};

inline constexpr int kBlockCount = 22;      // blocks 0..21 on the wire
inline constexpr int kWritableBlocks = 21;  // block 21 is the identification, read only
inline constexpr int kBlockSize = 10;
inline constexpr int kImageSize = kBlockCount * kBlockSize;  // offsets 1..220

// The unit's parameter memory in the unit's order. Offsets are 1-based as the
// unit numbers them; use at() rather than indexing bytes directly.
struct DeviceImage {
    std::array<Byte, kImageSize> bytes{};

    Byte& at(int offset) { return bytes[static_cast<std::size_t>(offset - 1)]; }
    Byte at(int offset) const { return bytes[static_cast<std::size_t>(offset - 1)]; }
    // First byte of block n (0..21).
    Byte* block(int n) { return bytes.data() + n * kBlockSize; }
    const Byte* block(int n) const { return bytes.data() + n * kBlockSize; }

    bool operator==(const DeviceImage&) const = default;
};

struct ParameterSet {
    IgnitionBlock ignition;
    InjectionBlock injection;
    DeviceImage image;

    bool operator==(const ParameterSet&) const = default;
};

inline Byte& JetCell(InjectionBlock& inj, int row, int column) {
    return inj.JET[static_cast<std::size_t>(row * kMapSize + column)];
}
inline Byte JetCell(const InjectionBlock& inj, int row, int column) {
    return inj.JET[static_cast<std::size_t>(row * kMapSize + column)];
}

}  // namespace ign
