#pragma once

#include "CliOptions.h"

namespace ign::cli {

// `sheet`: the tune sheet of a parameter file as a PDF. Needs a
// QGuiApplication (any platform, offscreen will do). Returns the exit status;
// on any failure nothing is written.
int RunSheet(const CliOptions& options);

}  // namespace ign::cli
