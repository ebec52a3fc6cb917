#pragma once

#include "ParameterSet.h"

#include <array>
#include <string_view>

namespace ign {

inline constexpr int kMachineCount = 6;
// The machine list, indexed by KEYING.
inline constexpr std::array<std::string_view, kMachineCount> kMachineNames{
    "Aprilia MILE",    "Honda CBR 600",    "Honda VTR 1000",
    "Kawasaki ZX12 R", "Suzuki GSX 600 R", "Suzuki GSX 1000 R",
};

// PALEC from KEYING: 75 for machine 0, 90 for 1..5, unchanged otherwise.
void ApplyMachineTriggerWidth(IgnitionBlock& ign);
// The default set for the current KEYING (which itself stays as it is).
void ApplyMachineDefaults(IgnitionBlock& ign, InjectionBlock& inj);
inline void ApplyMachineDefaults(ParameterSet& set) { ApplyMachineDefaults(set.ignition, set.injection); }

}  // namespace ign
