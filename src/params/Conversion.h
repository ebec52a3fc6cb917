#pragma once

#include "ParameterSet.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace ign {

// How a parameter's user value (rpm, ms, mV ...) maps to its byte.
enum class Conversion : std::uint8_t {
    AsIs,  // user value = byte
    Div3,  // degrees of injection position
    Div10,
    Div30,
    Div100,
    Div200,
    Tps100,  // mV: byte = (mV / 10 + 6) mod 256, mV = byte * 10 + 2500
};

// Byte from a user value: the value is taken modulo 65 536, divided with the
// remainder dropped, and the low 8 bits kept. For every value inside an
// editor's range this is the plain "value / scale".
Byte ToByte(Conversion conversion, std::uint32_t userValue);
// User value shown for a byte.
int ToUser(Conversion conversion, Byte byte);

// Every parameter of the set, by its parameter-file key.
enum class Param : std::uint8_t {
    RPM_A,
    ADV_A,
    RPM_B,
    ADV_B,
    OMEZ1,
    OMEZ2,
    OMEZ_D,
    CLUTCH,
    NA,
    Gas1,
    Gas2,
    GasT,
    GasD,
    KEYING,
    POV_OM,
    LED_RAZ,
    CAS_IN,
    BLOK,
    GasEnable,
    RPM2,
    EXCITATION,
    PALEC,
    KOR_23,
    POLOHA,
    RPM_JET,
    JET,
    WATER,
    AIR,
    CHLAZENI,
    START_JET,
    POLOHA_PRO,
    DEAD_TIME,
    AKCEL_PRAH,
    AKCEL_PER,
    AKCEL_JET,
    TPS_0,
    TPS_100,
};
inline constexpr int kParamCount = static_cast<int>(Param::TPS_100) + 1;

// Whether a table of rows with a `param` member holds every parameter once, in Param order,
// so that a row can be found by its parameter's number.
template <typename Row, std::size_t N>
constexpr bool InParamOrder(const std::array<Row, N>& rows) {
    if (N != static_cast<std::size_t>(kParamCount)) return false;
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(rows[i].param) != i) return false;
    return true;
}

struct ParamInfo {
    Param param;
    std::string_view name;
    int count;  // number of bytes (points)
    Conversion conversion;
    bool flag;  // zero off, anything else on
};

// The one table of conversions: files and editors convert through it and
// through nothing else.
const ParamInfo& Info(Param param);
std::span<const ParamInfo> AllParams();

// The bytes of one parameter inside the set (1, 5, 10 or 100 of them).
std::span<Byte> BytesOf(IgnitionBlock& ign, InjectionBlock& inj, Param param);
std::span<Byte> BytesOf(ParameterSet& set, Param param);
std::span<const Byte> BytesOf(const ParameterSet& set, Param param);

}  // namespace ign
