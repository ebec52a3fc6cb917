#include "ParameterInput.h"

#include "New.h"
#include "ParameterFile.h"
#include "Validation.h"

#include <iostream>

namespace ign::cli {

namespace {

// Reads one parameter file over the set, as the window's Open does; an empty
// path or "-" is standard input.
bool OpenOver(const std::string& path, ParameterSet& set) {
    if (path.empty() || path == kStandardStream) {
        ReadParameterFile(std::cin, set.ignition, set.injection);
    } else if (!LoadParameterFile(path, set)) {
        return false;
    }
    ValidateParameters(set);
    return true;
}

}  // namespace

bool LoadInputSet(const CliOptions& options, ParameterSet& set, std::string& failedPath) {
    set = ParameterSet{};
    ApplyMachineDefaults(set);
    for (const std::string* path : {&options.base, &options.file}) {
        if (path == &options.base && options.base.empty()) continue;
        if (!OpenOver(*path, set)) {
            failedPath = *path;
            return false;
        }
    }
    return true;
}

}  // namespace ign::cli
