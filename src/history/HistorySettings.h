#pragma once

#include "ProfileFile.h"
#include "Retention.h"

#include <filesystem>
#include <string_view>

namespace ign {

inline constexpr std::string_view kHistorySection = "HISTORY";
inline constexpr std::string_view kHistoryFolderName = "history";

// The settings of the restore points, in a section of their own that comes
// after the sections the program had before it.
struct HistorySettings {
    RetentionRules retention;
    bool readBeforeProgram = false;  // Program first reads the unit into a unit-before-program point

    bool operator==(const HistorySettings&) const = default;
};

// Reads KeepDays, KeepCount and ReadBeforeProgram over the current values;
// a missing entry, or a negative number of days or points, keeps the value.
void LoadHistorySettings(const ProfileFile& file, HistorySettings& settings);

// Stores the three entries in memory; the caller saves the file (write these
// before SaveSettings, which saves it).
void StoreHistorySettings(ProfileFile& file, const HistorySettings& settings);

// <dataFolder>/ignition-programmer/history, dataFolder being the platform's
// folder for the user's data (on Linux $XDG_DATA_HOME, by default ~/.local/share).
std::filesystem::path HistoryFolder(const std::filesystem::path& dataFolder);

}  // namespace ign
