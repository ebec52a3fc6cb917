#pragma once

#include "ProfileFile.h"

#include <filesystem>
#include <string_view>

namespace ign {

inline constexpr std::string_view kSettingsFileName = "ZIR_OVI.ini";
inline constexpr std::string_view kSettingsFolderName = "ignition-programmer";

// <configFolder>/ignition-programmer/ZIR_OVI.ini; the folder is made on saving.
std::filesystem::path SettingsFilePath(const std::filesystem::path& configFolder);

// The settings file at `file`. While `file` does not exist, an older
// installation's file at `legacyFile` (if given and present) is read instead,
// once; saving always goes to `file`.
ProfileFile OpenSettingsFile(const std::filesystem::path& file, const std::filesystem::path& legacyFile = {});

}  // namespace ign
