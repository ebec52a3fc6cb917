#pragma once

#include "SimulatedUnit.h"

namespace ign {

// Fills blocks 0..20 of the unit's memory with the default set of a machine,
// as a unit leaves the workshop, so that a first Read finds a valid set.
void LoadFactorySet(SimulatedUnit& unit, Byte keying = 0);

}  // namespace ign
