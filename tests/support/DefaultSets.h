#pragma once

#include "New.h"
#include "ParameterSet.h"

// The default set of one machine, as New builds it in the window.
inline ign::ParameterSet DefaultSet(ign::Byte keying = 0) {
    ign::ParameterSet set{};
    set.ignition.KEYING = keying;
    ign::ApplyMachineDefaults(set);
    return set;
}
