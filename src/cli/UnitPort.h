#pragma once

#include "CliOptions.h"
#include "SerialLine.h"

#include <memory>

namespace ign::cli {

// Opens the line behind --port (COM1/COM2 through the settings, "simulator",
// or a device path). On failure reports "Com opening error" with the port's
// name on standard error, and on the next line why it would not open and
// what to do, in the language of --lang; returns nullptr.
std::unique_ptr<SerialLine> OpenUnitPort(const CliOptions& options);

}  // namespace ign::cli
