#pragma once

#include "ProfileFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace ign {

inline constexpr std::string_view kSettingsFileName = "ZIR_OVI.ini";
inline constexpr std::string_view kSettingsFolderName = "ignition-programmer";
// Far above what the program writes (about 6 KB); a larger file is no settings
// file of ours, and reading it whole would cost the start-up time and memory.
inline constexpr std::uintmax_t kMaxSettingsFileBytes = 1U << 20U;

// <configFolder>/ignition-programmer/ZIR_OVI.ini; the folder is made on saving.
std::filesystem::path SettingsFilePath(const std::filesystem::path& configFolder);

// The settings file at `file`, read only when it is a regular file of at most
// kMaxSettingsFileBytes. While `file` does not exist, an older installation's
// file at `legacyFile` (if given and present) is read instead, once; saving
// always goes to `file`.
ProfileFile OpenSettingsFile(const std::filesystem::path& file, const std::filesystem::path& legacyFile = {});

// A line for standard error about a settings file that is there but was not
// read; empty when it was read or does not exist.
std::string SettingsReadNote(const ProfileFile& file);
// A line for standard error naming where a settings file too large to read
// was put aside; empty while it has not been.
std::string SettingsSetAsideNote(const ProfileFile& file);

}  // namespace ign
