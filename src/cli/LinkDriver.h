#pragma once

#include "Link.h"

#include <functional>

namespace ign::cli {

// The window's timer interval: retries and give-up times count these ticks.
inline constexpr int kTickMs = 55;

// Ticks the link every 55 ms from a timer in the application's event loop
// (the serial port fills its input queue only while that loop runs), calling
// afterTick after each tick, until afterTick returns true or SIGINT/SIGTERM
// arrives. Returns false when interrupted.
bool DriveLink(Link& link, const std::function<bool()>& afterTick);

}  // namespace ign::cli
