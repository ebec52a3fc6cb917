#pragma once

#include "BoundedRead.h"
#include "CliOptions.h"
#include "ParameterFile.h"
#include "ParameterSet.h"

#include <string>
#include <vector>

namespace ign::cli {

// One parameter file a command read: its path as given (empty or "-" for
// standard input), how reading it went and which keys it held.
struct InputFile {
    std::string path;
    FileReadResult result = FileReadResult::Ok;
    ParameterKeys keys;
};

// The set a file command works on: the default set of machine 0 as the
// window's first start holds it, then the --base file and the command's file
// (standard input when none), each read and validated as the window's Open
// does. Files, pipes and devices alike are read, but never more than
// kMaxParameterFileBytes of one; a pipe named as FILE that gives no first
// byte within kFirstByteWait is Silent, while standard input waits as pipes do. Returns the files in the
// order read; the first that could not be read ends the list.
std::vector<InputFile> LoadInputSet(const CliOptions& options, ParameterSet& set);

// "standard input" for an empty path or "-", else the path.
std::string InputName(const std::string& path);

}  // namespace ign::cli
