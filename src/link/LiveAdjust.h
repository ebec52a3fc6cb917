#pragma once

#include "ParameterSet.h"

#include <cstdint>

namespace ign {

// Changes made while the engine runs. Each returns whether the unit must now
// be programmed (Link::Use, then Link::StartProgram). The curve and map changes always
// say yes, even when no value could move, so the unit is brought in line with
// the set on every click; the TPS calibrations only when they stored a value.
// The caller reads its editors first (and, for the curve, validates), and
// refreshes them afterwards.

// Curve A one degree down / up, point by point, validating after each point
// so a point at its limit stays there.
bool CurveMinus(ParameterSet& set);
bool CurvePlus(ParameterSet& set);

// The whole injection map one percent down / up, within 0 and 250; no validation.
bool JetMinus(InjectionBlock& injection);
bool JetPlus(InjectionBlock& injection);

// The ten cells of one map column (0..9, the speed point of RPM_JET) one percent down / up.
bool JetColumnMinus(InjectionBlock& injection, int column);
bool JetColumnPlus(InjectionBlock& injection, int column);

// The throttle sensor's 0 % / 100 % points from the measured voltage, when it
// lies in the point's range (300..2500 mV / 2500..4600 mV); otherwise nothing.
bool SetTps0(InjectionBlock& injection, std::uint16_t measuredTpsMv);
bool SetTps100(InjectionBlock& injection, std::uint16_t measuredTpsMv);

}  // namespace ign
