#pragma once

#include "Link.h"

#include <functional>

namespace ign::cli {

// Ticks the link every kTickMs from a timer in the application's event loop
// (the serial port fills its input queue only while that loop runs), calling
// afterTick after each tick, until afterTick returns true or SIGINT/SIGTERM
// arrives. Returns false when interrupted.
bool DriveLink(Link& link, const std::function<bool()>& afterTick);

}  // namespace ign::cli
