#pragma once

#include "AtomicFile.h"
#include "ParameterSet.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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

// Far above the 2 KB the layout takes; no parameter file is larger.
inline constexpr std::uintmax_t kMaxParameterFileBytes = 16U << 20U;

// The keys of the written layout, in its order: those a read took at least
// one value from, and those it took none from. A key whose name stands in
// the input without a number after it ("Notes: GAS") gave nothing, so it is
// missing, and is named again in `withoutValue`. "TB" counts as "CLUTCH",
// whose byte it gives in other units. `found` is empty exactly when the
// input changed no parameter.
struct ParameterKeys {
    std::vector<std::string_view> found;
    std::vector<std::string_view> missing;
    std::vector<std::string_view> withoutValue;
};

// Reads every key it recognises into the blocks; whatever the input holds,
// only the parameters of recognised keys change. No validation.
ParameterKeys ReadParameterFile(std::string_view bytes, IgnitionBlock& ign, InjectionBlock& inj);

// Opens and reads `path`, a regular file of at most kMaxParameterFileBytes;
// false for anything else (nothing changes then): a pipe or a device could
// keep the reader waiting or never end. `keys`, when given, receives what
// ReadParameterFile said of a file that was read.
bool LoadParameterFile(const std::filesystem::path& path, IgnitionBlock& ign, InjectionBlock& inj,
                       ParameterKeys* keys = nullptr);

inline std::string WriteParameterFile(const ParameterSet& set) {
    return WriteParameterFile(set.ignition, set.injection);
}
inline FileWriteResult SaveParameterFile(const std::filesystem::path& path, const ParameterSet& set) {
    return SaveParameterFile(path, set.ignition, set.injection);
}
inline bool LoadParameterFile(const std::filesystem::path& path, ParameterSet& set,
                              ParameterKeys* keys = nullptr) {
    return LoadParameterFile(path, set.ignition, set.injection, keys);
}

}  // namespace ign
