#include "Conversion.h"

#include <array>

namespace ign {

namespace {

constexpr std::array<ParamInfo, kParamCount> kParams{{
    {Param::RPM_A, "RPM_A", 10, Conversion::Div100, false},
    {Param::ADV_A, "ADV_A", 10, Conversion::AsIs, false},
    {Param::RPM_B, "RPM_B", 10, Conversion::Div100, false},
    {Param::ADV_B, "ADV_B", 10, Conversion::AsIs, false},
    {Param::OMEZ1, "OMEZ1", 1, Conversion::Div100, false},
    {Param::OMEZ2, "OMEZ2", 1, Conversion::Div100, false},
    {Param::OMEZ_D, "OMEZ_D", 1, Conversion::Div200, false},
    {Param::CLUTCH, "CLUTCH", 1, Conversion::Div10, false},
    {Param::NA, "NA", 1, Conversion::Div100, false},
    {Param::Gas1, "Gas1", 1, Conversion::AsIs, false},
    {Param::Gas2, "Gas2", 1, Conversion::AsIs, false},
    {Param::GasT, "GasT", 1, Conversion::Div100, false},
    {Param::GasD, "GasD", 1, Conversion::Div100, false},
    {Param::KEYING, "KEYING", 1, Conversion::AsIs, false},
    {Param::POV_OM, "POV_OM", 1, Conversion::AsIs, true},
    {Param::LED_RAZ, "LED_RAZ", 1, Conversion::AsIs, true},
    {Param::CAS_IN, "CAS_IN", 1, Conversion::AsIs, true},
    {Param::BLOK, "BLOK", 1, Conversion::AsIs, true},
    {Param::GasEnable, "GasEnable", 1, Conversion::AsIs, true},
    {Param::RPM2, "RPM2", 1, Conversion::AsIs, true},
    {Param::EXCITATION, "EXCITATION", 1, Conversion::AsIs, true},
    {Param::PALEC, "PALEC", 1, Conversion::AsIs, false},
    {Param::KOR_23, "KOR_23", 10, Conversion::AsIs, false},
    {Param::POLOHA, "POLOHA", 10, Conversion::Div3, false},
    {Param::RPM_JET, "RPM_JET", 10, Conversion::Div100, false},
    {Param::JET, "JET", 100, Conversion::AsIs, false},
    {Param::WATER, "WATER", 5, Conversion::AsIs, false},
    {Param::AIR, "AIR", 5, Conversion::AsIs, false},
    {Param::CHLAZENI, "CHLAZENI", 1, Conversion::AsIs, false},
    {Param::START_JET, "START_JET", 1, Conversion::AsIs, false},
    {Param::POLOHA_PRO, "POLOHA_PRO", 1, Conversion::AsIs, false},
    {Param::DEAD_TIME, "DEAD_TIME", 1, Conversion::Div10, false},
    {Param::AKCEL_PRAH, "AKCEL_PRAH", 1, Conversion::Div10, false},
    {Param::AKCEL_PER, "AKCEL_PER", 1, Conversion::Div10, false},
    {Param::AKCEL_JET, "AKCEL_JET", 1, Conversion::Div30, false},
    {Param::TPS_0, "TPS_0", 1, Conversion::Div10, false},
    {Param::TPS_100, "TPS_100", 1, Conversion::Tps100, false},
}};

static_assert(InParamOrder(kParams), "parameter table must follow the Param order");

constexpr std::uint32_t Divisor(Conversion conversion) {
    switch (conversion) {
        case Conversion::AsIs:
            return 1;
        case Conversion::Div3:
            return 3;
        case Conversion::Div10:
            return 10;
        case Conversion::Div30:
            return 30;
        case Conversion::Div100:
            return 100;
        case Conversion::Div200:
            return 200;
        case Conversion::Tps100:
            return 10;
    }
    return 1;
}

template <std::size_t N>
std::span<Byte> All(std::array<Byte, N>& a) {
    return {a.data(), a.size()};
}
std::span<Byte> One(Byte& b) { return {&b, 1}; }

}  // namespace

Byte ToByte(Conversion conversion, std::uint32_t userValue) {
    const std::uint32_t quotient = (userValue % 65536U) / Divisor(conversion);
    if (conversion == Conversion::Tps100) {
        // The unit stores the offset from 2 500 mV; done in 8-bit arithmetic
        // the same way the unit's own tools always did.
        return static_cast<Byte>((quotient + 6U) & 0xFFU);
    }
    return static_cast<Byte>(quotient & 0xFFU);
}

int ToUser(Conversion conversion, Byte byte) {
    if (conversion == Conversion::Tps100) return byte * 10 + 2500;
    return byte * static_cast<int>(Divisor(conversion));
}

const ParamInfo& Info(Param param) { return kParams[static_cast<std::size_t>(param)]; }

std::span<const ParamInfo> AllParams() { return kParams; }

std::span<Byte> BytesOf(IgnitionBlock& g, InjectionBlock& j, Param param) {
    switch (param) {
        case Param::RPM_A:
            return All(g.RPM_A);
        case Param::ADV_A:
            return All(g.ADV_A);
        case Param::RPM_B:
            return All(g.RPM_B);
        case Param::ADV_B:
            return All(g.ADV_B);
        case Param::OMEZ1:
            return One(g.OMEZ1);
        case Param::OMEZ2:
            return One(g.OMEZ2);
        case Param::OMEZ_D:
            return One(g.OMEZ_D);
        case Param::CLUTCH:
            return One(g.CLUTCH);
        case Param::NA:
            return One(g.NA);
        case Param::Gas1:
            return One(g.Gas1);
        case Param::Gas2:
            return One(g.Gas2);
        case Param::GasT:
            return One(g.GasT);
        case Param::GasD:
            return One(g.GasD);
        case Param::KEYING:
            return One(g.KEYING);
        case Param::POV_OM:
            return One(g.POV_OM);
        case Param::LED_RAZ:
            return One(g.LED_RAZ);
        case Param::CAS_IN:
            return One(g.CAS_IN);
        case Param::BLOK:
            return One(g.BLOK);
        case Param::GasEnable:
            return One(g.GasEnable);
        case Param::RPM2:
            return One(g.RPM2);
        case Param::EXCITATION:
            return One(g.EXCITATION);
        case Param::PALEC:
            return One(g.PALEC);
        case Param::KOR_23:
            return All(j.KOR_23);
        case Param::POLOHA:
            return All(j.POLOHA);
        case Param::RPM_JET:
            return All(j.RPM_JET);
        case Param::JET:
            return All(j.JET);
        case Param::WATER:
            return All(j.WATER);
        case Param::AIR:
            return All(j.AIR);
        case Param::CHLAZENI:
            return One(j.CHLAZENI);
        case Param::START_JET:
            return One(j.START_JET);
        case Param::POLOHA_PRO:
            return One(j.POLOHA_PRO);
        case Param::DEAD_TIME:
            return One(j.DEAD_TIME);
        case Param::AKCEL_PRAH:
            return One(j.AKCEL_PRAH);
        case Param::AKCEL_PER:
            return One(j.AKCEL_PER);
        case Param::AKCEL_JET:
            return One(j.AKCEL_JET);
        case Param::TPS_0:
            return One(j.TPS_0);
        case Param::TPS_100:
            return One(j.TPS_100);
    }
    return {};
}

std::span<Byte> BytesOf(ParameterSet& set, Param param) {
    return BytesOf(set.ignition, set.injection, param);
}

std::span<const Byte> BytesOf(const ParameterSet& set, Param param) {
    auto& mutableSet = const_cast<ParameterSet&>(set);  // read-only view of the same bytes
    return BytesOf(mutableSet, param);
}

}  // namespace ign
