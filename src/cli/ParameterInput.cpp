#include "ParameterInput.h"

#include "New.h"
#include "Validation.h"

#include <iostream>

namespace ign::cli {

namespace {

// Reads one parameter file over the set, as the window's Open does.
InputFile ReadOver(const std::string& path, ParameterSet& set) {
    InputFile input{path, FileReadResult::Ok, {}};
    std::string bytes;
    input.result = path.empty() || path == kStandardStream
                       ? ReadAtMost(std::cin, bytes, kMaxParameterFileBytes)
                       : ReadFileUpTo(path, bytes, kMaxParameterFileBytes);
    if (input.result != FileReadResult::Ok) return input;
    input.keys = ReadParameterFile(bytes, set.ignition, set.injection);
    ValidateParameters(set);
    return input;
}

}  // namespace

std::vector<InputFile> LoadInputSet(const CliOptions& options, ParameterSet& set) {
    set = ParameterSet{};
    ApplyMachineDefaults(set);
    std::vector<InputFile> read;
    for (const std::string* path : {&options.base, &options.file}) {
        if (path == &options.base && options.base.empty()) continue;
        read.push_back(ReadOver(*path, set));
        if (read.back().result != FileReadResult::Ok) break;
    }
    return read;
}

std::string InputName(const std::string& path) {
    return path.empty() || path == kStandardStream ? "standard input" : path;
}

}  // namespace ign::cli
