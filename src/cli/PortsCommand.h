#pragma once

#include "CliOptions.h"
#include "PortList.h"

#include <string>
#include <vector>

namespace ign::cli {

// The listing of `ports`, one port a line as PortLine() gives it: the system's
// ports, then the simulated unit. A port that COM1 or COM2 points at ends in
// "  [COM1]", "  [COM2]" or "  [COM1, COM2]"; a value that names none of
// them (a pseudo-terminal, an adapter not plugged in) gets a line of its own
// saying so, so every mark has a place.
std::string PortsListing(const std::vector<PortDescription>& ports, const std::string& com1,
                         const std::string& com2, Byte language);

// `ignition-cli ports`: the listing for the system's ports and the settings
// file's [PORTS], on standard output.
int RunPorts(const CliOptions& options);

}  // namespace ign::cli
