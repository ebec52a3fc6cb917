#pragma once

#include "ParameterSet.h"

#include <string>

namespace ign {

// Blocks -> image at the unit's offsets. Writes offsets 1-47, 50-175,
// 181-184 and 187-210 only: what the unit gave us elsewhere goes back untouched.
void PackDeviceImage(ParameterSet& set);
// Image -> blocks for the same offsets; flags come back as their bit masks.
void UnpackDeviceImage(ParameterSet& set);

// Version, date and time of the unit's program, decoded from block 21.
struct UnitIdentification {
    std::string version;  // 5 characters
    std::string date;     // 10 characters, e.g. " 5. 2.2002"
    std::string time;     // 5 characters, e.g. "09:07"

    bool operator==(const UnitIdentification&) const = default;
};
UnitIdentification DecodeUnitIdentification(const DeviceImage& image);

}  // namespace ign
