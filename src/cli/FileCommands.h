#pragma once

#include "CliOptions.h"
#include "ParameterSet.h"

#include <string>

namespace ign::cli {

// Blocks 0 to 20 of the image: 21 lines of ten two-digit hexadecimal bytes
// separated by blanks, each line ended by LF.
std::string FormatImage(const DeviceImage& image);

// The commands that need no unit; each returns the exit status.
int RunDefaults(const CliOptions& options);
int RunNormalize(const CliOptions& options);
int RunImage(const CliOptions& options);

// "Open file error: <path>" on standard error, for a file that cannot be opened.
void ReportOpenFileError(const std::string& path);
// What a command asks of its input files besides being readable. The
// conversions take anything; a comparison needs a file that gave at least one
// value, and the commands that change or judge a unit also say which keys
// gave none.
enum class InputNeeds { Anything, Values, Keys };
// LoadInputSet that reports a file it cannot open or that is larger than any
// parameter file; false means exit with a usage status. With InputNeeds::Values
// or Keys a file from which no value was taken is refused too; with Keys, for a
// file that gave only some keys' values, it says which gave none and where
// their values come from.
bool LoadInputSetOrReport(const CliOptions& options, ParameterSet& set,
                          InputNeeds needs = InputNeeds::Anything);
// "Write file error: standard output" on standard error; gives kExitUsage.
int ReportStandardOutputError();
// Writes bytes to standard output; on failure reports it and gives kExitUsage.
int WriteToStandardOutput(std::string_view bytes);

}  // namespace ign::cli
