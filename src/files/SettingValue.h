#pragma once

#include "ProfileFile.h"

#include <string>
#include <string_view>

namespace ign {

// Settings of the newer sections are forgiving: a hand-edited file never
// stops the program, and a value it cannot use is quietly put right.

// An on/off entry: 0 or 1; anything else (missing, no number, 2) keeps `value`.
void ReadSwitch(const ProfileFile& file, std::string_view section, std::string_view key, bool& value);
// A number in min..max: missing or no number keeps `value`, a number beyond
// the range takes the nearer end.
void ReadInRange(const ProfileFile& file, std::string_view section, std::string_view key, int& value, int min,
                 int max);
// A decimal number with a point ("1.0", "0.25", "2"), in min..max as above.
void ReadDecimalInRange(const ProfileFile& file, std::string_view section, std::string_view key,
                        double& value, double min, double max);
// A decimal as ReadDecimalInRange reads it: a point whatever the locale, at
// least one decimal and at most three ("1.0", "0.25").
std::string DecimalText(double value);

}  // namespace ign
