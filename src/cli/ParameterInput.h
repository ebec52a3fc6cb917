#pragma once

#include "CliOptions.h"
#include "ParameterSet.h"

#include <string>

namespace ign::cli {

// The set a file command works on: the default set of machine 0 as the
// window's first start holds it, then the --base file and the command's file
// (standard input when none), each read and validated as the window's Open
// does. Returns false with the path that could not be opened in failedPath.
bool LoadInputSet(const CliOptions& options, ParameterSet& set, std::string& failedPath);

}  // namespace ign::cli
