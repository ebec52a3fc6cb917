#pragma once

#include <string>
#include <string_view>

namespace ign::cli {

// The system port behind a --port name: "COM1" and "COM2" (any letter case)
// become the ports the settings file's [PORTS] names for them, anything else
// (a device path, "simulator") stays as given.
std::string ResolvePortName(std::string_view name, std::string_view com1Port, std::string_view com2Port);

// The same with the ports of the per-user settings file the window uses; the
// file is only read, never written.
std::string ResolvePortName(std::string_view name);

}  // namespace ign::cli
