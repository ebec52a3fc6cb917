#include "Validation.h"

#include <algorithm>

namespace ign {

namespace {

void Clamp(Byte& value, Byte low, Byte high) { value = std::clamp(value, low, high); }
void AtMost(Byte& value, Byte high) { value = std::min(value, high); }

// Point k must lie between k + 3 and k + 191 (300 + 100k to 19 100 + 100k rpm).
Byte AxisLow(int k) { return static_cast<Byte>(k + 3); }
Byte AxisHigh(int k) { return static_cast<Byte>(k + 191); }

void RaiseAboveEarlier(Points10& axis, int k) {
    const auto i = static_cast<std::size_t>(k);
    if (axis[i] <= axis[i - 1]) axis[i] = static_cast<Byte>(axis[i - 1] + 1);
}

}  // namespace

void ValidateParameters(IgnitionBlock& g, InjectionBlock& j) {
    // 1. Ignition speed windows and advance limit, one point at a time. The
    //    advance is limited by PALEC as it stands before rule 3 corrects it.
    for (int k = 0; k < 10; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (g.RPM_A[i] < AxisLow(k)) g.RPM_A[i] = AxisLow(k);
        if (g.RPM_B[i] < AxisLow(k)) g.RPM_B[i] = AxisLow(k);
        if (g.RPM_A[i] > AxisHigh(k)) g.RPM_A[i] = AxisHigh(k);
        if (g.RPM_B[i] > AxisHigh(k)) g.RPM_B[i] = AxisHigh(k);
        if (g.ADV_A[i] > g.PALEC) g.ADV_A[i] = g.PALEC;
        if (g.ADV_B[i] > g.PALEC) g.ADV_B[i] = g.PALEC;
    }
    // 2. Strictly increasing ignition axes.
    for (int k = 1; k < 10; ++k) {
        RaiseAboveEarlier(g.RPM_A, k);
        RaiseAboveEarlier(g.RPM_B, k);
    }
    // 3. Trigger width.
    Clamp(g.PALEC, 10, 125);
    // 4. Limiters; Limiter 2 never below Limiter 1.
    Clamp(g.OMEZ1, 10, 250);
    Clamp(g.OMEZ2, 10, 250);
    if (g.OMEZ2 < g.OMEZ1) g.OMEZ2 = g.OMEZ1;
    // 5.-7.
    Clamp(g.OMEZ_D, 10, 160);
    AtMost(g.CLUTCH, 100);
    Clamp(g.NA, 10, 250);
    // 8. Gas values; here the first one gives way.
    Clamp(g.Gas1, 1, 100);
    Clamp(g.Gas2, 1, 100);
    if (g.Gas2 < g.Gas1) g.Gas1 = g.Gas2;
    // 9.
    Clamp(g.GasT, 1, 200);
    AtMost(g.GasD, 200);
    // 10. Injection speed axis: windows, then strictly increasing.
    for (int k = 0; k < 10; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (j.RPM_JET[i] < AxisLow(k)) j.RPM_JET[i] = AxisLow(k);
        if (j.RPM_JET[i] > AxisHigh(k)) j.RPM_JET[i] = AxisHigh(k);
    }
    for (int k = 1; k < 10; ++k) RaiseAboveEarlier(j.RPM_JET, k);
    // 11. Map, temperature corrections and cooling capped at 250.
    for (auto& cell : j.JET) AtMost(cell, 250);
    for (auto& w : j.WATER) AtMost(w, 250);
    for (auto& a : j.AIR) AtMost(a, 250);
    AtMost(j.CHLAZENI, 250);
    // 12.-13.
    AtMost(j.TPS_0, 250);
    AtMost(j.TPS_100, 250);
    AtMost(j.START_JET, 50);
}

}  // namespace ign
