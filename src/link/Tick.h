#pragma once

namespace ign {

// The time base of the whole device link: the window's timer, the command-line
// tool and the simulated units all step the link this often. Retries, give-up
// times and the result display count these ticks.
inline constexpr int kTickMs = 55;

}  // namespace ign
