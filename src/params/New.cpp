#include "New.h"

namespace ign {

namespace {

struct MachineInjection {
    Points10 poloha;
    Byte polohaPro;
    Byte startJet;
    int chlazeni;  // -1: the machine keeps the cooling temperature it had
    Points5 water;
    Points5 air;
    Byte tps0;
    Byte tps100;
    Byte excitation;
};

constexpr std::array<MachineInjection, kMachineCount> kInjection{{
    {{124, 124, 120, 120, 117, 115, 114, 114, 114, 114},
     1,
     20,
     90,
     {150, 138, 111, 100, 92},
     {121, 110, 100, 92, 84},
     65,
     153,
     1},
    {{152, 150, 149, 227, 230, 240, 217, 212, 227, 227},
     0,
     20,
     90,
     {136, 125, 111, 100, 99},
     {119, 109, 100, 100, 100},
     50,
     192,
     0},
    {{152, 150, 149, 227, 230, 240, 217, 212, 227, 227},
     0,
     20,
     90,
     {139, 110, 104, 100, 99},
     {121, 110, 100, 97, 97},
     50,
     192,
     0},
    {{127, 134, 144, 144, 147, 74, 24, 24, 24, 24},
     2,
     20,
     -1,
     {125, 114, 107, 100, 98},
     {113, 107, 100, 97, 93},
     108,
     169,
     0},
    {{124, 108, 82, 82, 74, 72, 80, 84, 80, 80},
     1,
     20,
     90,
     {112, 107, 103, 100, 97},
     {106, 103, 100, 100, 100},
     110,
     180,
     0},
    {{78, 83, 104, 114, 121, 145, 147, 146, 146, 146},
     1,
     25,
     90,
     {113, 109, 105, 100, 97},
     {109, 105, 100, 100, 100},
     110,
     180,
     0},
}};

constexpr std::array<Points10, kMachineCount> kAdvance{{
    {13, 14, 20, 28, 31, 33, 31, 31, 31, 31},
    {19, 23, 30, 33, 31, 31, 31, 31, 31, 31},
    {13, 16, 31, 39, 39, 39, 38, 38, 38, 38},
    {19, 23, 30, 33, 31, 31, 31, 31, 31, 31},
    {16, 30, 38, 35, 39, 40, 39, 39, 34, 34},
    {10, 25, 28, 26, 29, 31, 29, 29, 29, 29},
}};

constexpr Points10 kSpeedAxis{10, 20, 30, 40, 60, 80, 100, 120, 140, 160};

bool KnownMachine(Byte keying) { return keying < kMachineCount; }

}  // namespace

void ApplyMachineTriggerWidth(IgnitionBlock& g) {
    if (g.KEYING == 0) {
        g.PALEC = 75;
    } else if (KnownMachine(g.KEYING)) {
        g.PALEC = 90;
    }
}

void ApplyMachineDefaults(IgnitionBlock& g, InjectionBlock& j) {
    if (KnownMachine(g.KEYING)) {
        const auto& m = kInjection[g.KEYING];
        j.POLOHA = m.poloha;
        j.POLOHA_PRO = m.polohaPro;
        j.START_JET = m.startJet;
        if (m.chlazeni >= 0) j.CHLAZENI = static_cast<Byte>(m.chlazeni);
        j.WATER = m.water;
        j.AIR = m.air;
        j.TPS_0 = m.tps0;
        j.TPS_100 = m.tps100;
        g.EXCITATION = m.excitation;
    }

    j.JET.fill(100);
    j.KOR_23.fill(100);
    j.AKCEL_PRAH = 60;
    j.AKCEL_PER = 5;
    j.AKCEL_JET = 80;
    j.DEAD_TIME = 85;
    j.RPM_JET = kSpeedAxis;

    g.RPM_A = kSpeedAxis;
    g.RPM_B = kSpeedAxis;
    if (KnownMachine(g.KEYING)) {
        g.ADV_A = kAdvance[g.KEYING];
        g.ADV_B = kAdvance[g.KEYING];
    }
    ApplyMachineTriggerWidth(g);

    g.OMEZ1 = 100;
    g.OMEZ2 = 150;
    g.OMEZ_D = 150;
    g.CLUTCH = 20;
    g.NA = 130;
    g.Gas1 = 20;
    g.Gas2 = 60;
    g.GasT = 30;
    g.GasD = 20;
    g.POV_OM = 1;
    g.LED_RAZ = 1;
    g.CAS_IN = 1;
    g.BLOK = 1;
    g.RPM2 = 0;
    g.GasEnable = 0;
}

}  // namespace ign
