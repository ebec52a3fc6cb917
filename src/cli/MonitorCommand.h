#pragma once

#include "CliOptions.h"

namespace ign::cli {

// Shows the unit's monitor frames until --seconds have passed or SIGINT/SIGTERM
// arrives; both end with exit status 0 after the output is flushed.
int RunMonitor(const CliOptions& options);

}  // namespace ign::cli
