#pragma once

#include "Conversion.h"
#include "ParameterSet.h"

#include <string>
#include <string_view>

namespace ign {

// A number with its thousands set apart by `separator` ("10 000", "10,000").
std::string Grouped(int value, std::string_view separator);

// The user value of one point of a parameter (rpm, °, %, mV ...).
int UserValue(const ParameterSet& set, Param param, int point = 0);

// A value as its field in the window shows it: in user units, grouped by the
// locale's separator where the window groups the field (those that can reach
// 1 000), never for the map and the cylinder corrections.
std::string FieldText(const ParameterSet& set, Param param, int point, std::string_view separator);

// A flag is on for any byte but zero (a Read leaves the bit's mask in it).
bool FlagOn(const ParameterSet& set, Param param);

// The machine's name from the list, or KEYING's number for a byte no machine has.
std::string MachineText(const ParameterSet& set);

}  // namespace ign
