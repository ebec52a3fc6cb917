#pragma once

#include <optional>
#include <string_view>

namespace ign::cli {

// A machine named on the command line: its index 0 to 5, or its name as the
// machine list spells it (letter case and surrounding blanks do not matter).
std::optional<int> ParseMachine(std::string_view text);

}  // namespace ign::cli
