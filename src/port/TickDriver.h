#pragma once

#include <functional>

namespace ign {

// Runs a local event loop with a kTickMs timer and calls tick() on every
// timeout until it returns true. The loop is what lets a serial port fill its
// input queue between ticks, so the command-line tool and the programs that
// drive a unit on a pseudo-terminal step their link this way, as the window's
// timer does. Returns the number of ticks run.
int DriveTicks(const std::function<bool()>& tick);

}  // namespace ign
