#include "LiveAdjust.h"

#include "Validation.h"

namespace ign {

namespace {

constexpr Byte kJetMax = 250;

void Down(Byte& b) {
    if (b > 0) --b;
}
void Up(Byte& b) {
    if (b < kJetMax) ++b;
}

}  // namespace

bool CurveMinus(ParameterSet& set) {
    for (Byte& advance : set.ignition.ADV_A) {
        Down(advance);
        ValidateParameters(set);
    }
    return true;
}

bool CurvePlus(ParameterSet& set) {
    for (Byte& advance : set.ignition.ADV_A) {
        // Validation caps the advance at the trigger width, far below 255.
        if (advance < 255) ++advance;
        ValidateParameters(set);
    }
    return true;
}

bool JetMinus(InjectionBlock& injection) {
    for (Byte& cell : injection.JET) Down(cell);
    return true;
}

bool JetPlus(InjectionBlock& injection) {
    for (Byte& cell : injection.JET) Up(cell);
    return true;
}

bool JetColumnMinus(InjectionBlock& injection, int column) {
    if (column < 0 || column >= kMapSize) return false;
    for (int row = 0; row < kMapSize; ++row) Down(JetCell(injection, row, column));
    return true;
}

bool JetColumnPlus(InjectionBlock& injection, int column) {
    if (column < 0 || column >= kMapSize) return false;
    for (int row = 0; row < kMapSize; ++row) Up(JetCell(injection, row, column));
    return true;
}

bool SetTps0(InjectionBlock& injection, std::uint16_t measuredTpsMv) {
    if (measuredTpsMv < 300 || measuredTpsMv > 2500) return false;
    injection.TPS_0 = static_cast<Byte>(measuredTpsMv / 10);
    return true;
}

bool SetTps100(InjectionBlock& injection, std::uint16_t measuredTpsMv) {
    if (measuredTpsMv < 2500 || measuredTpsMv > 4600) return false;
    injection.TPS_100 = static_cast<Byte>((measuredTpsMv - 2500) / 10);
    return true;
}

}  // namespace ign
