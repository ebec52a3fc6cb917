#pragma once

#include "CliOptions.h"
#include "DeviceImageCodec.h"

#include <string>

namespace ign::cli {

// The version, date and time lines as the window's three labels show them,
// captioned in the language: "Version: SIM12\nDate: 14. 3.2024\nTime: 09:05\n".
std::string IdentificationText(const UnitIdentification& id, Byte language);

// The commands that talk to the unit; each returns the exit status.
int RunRead(const CliOptions& options);
int RunProgram(const CliOptions& options);
int RunVerify(const CliOptions& options);

}  // namespace ign::cli
