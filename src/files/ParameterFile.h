#pragma once

#include "AtomicFile.h"
#include "ParameterSet.h"

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

namespace ign {

// The parameter file: one parameter set in user units as text.

// The fixed 41-line layout for the blocks, byte for byte (CR LF line ends, no
// line end after the last line). Writes exactly what the blocks hold.
std::string WriteParameterFile(const IgnitionBlock& ign, const InjectionBlock& inj);

// Writes the layout to `path`; the previous file survives any failure.
// CannotOpen is "Open file error" for the user, WriteFailed "Write file error".
FileWriteResult SaveParameterFile(const std::filesystem::path& path, const IgnitionBlock& ign,
                                  const InjectionBlock& inj);

// The message box text for a failed save ("" for Ok); English in every language.
const char* SaveErrorText(FileWriteResult result);

// Reads every key it recognises into the blocks; whatever the input holds,
// only the parameters of recognised keys change. No validation.
void ReadParameterFile(std::istream& in, IgnitionBlock& ign, InjectionBlock& inj);
void ReadParameterFile(std::string_view bytes, IgnitionBlock& ign, InjectionBlock& inj);

// Opens and reads `path`; false when it cannot be opened (nothing changes then).
bool LoadParameterFile(const std::filesystem::path& path, IgnitionBlock& ign, InjectionBlock& inj);

inline std::string WriteParameterFile(const ParameterSet& set) {
    return WriteParameterFile(set.ignition, set.injection);
}
inline FileWriteResult SaveParameterFile(const std::filesystem::path& path, const ParameterSet& set) {
    return SaveParameterFile(path, set.ignition, set.injection);
}
inline bool LoadParameterFile(const std::filesystem::path& path, ParameterSet& set) {
    return LoadParameterFile(path, set.ignition, set.injection);
}

}  // namespace ign
