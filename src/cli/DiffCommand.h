#pragma once

#include "CliOptions.h"

namespace ign::cli {

// ignition-cli diff A B: one line per difference between the two sets on
// standard output; exit status 0 equal, 1 different, 2 on an error, as diff(1).
int RunDiff(const CliOptions& options);

}  // namespace ign::cli
