#pragma once

#include "ParameterSet.h"

namespace ign {

// Brings the blocks into the ranges and orderings the unit accepts. Never
// rejects and never reports: out-of-range bytes are replaced in place.
void ValidateParameters(IgnitionBlock& ign, InjectionBlock& inj);
inline void ValidateParameters(ParameterSet& set) { ValidateParameters(set.ignition, set.injection); }

}  // namespace ign
