#pragma once

#include "CellStatistics.h"
#include "ProfileFile.h"

#include <filesystem>
#include <string_view>

namespace ign {

inline constexpr std::string_view kDatalogSection = "DATALOG";
inline constexpr std::string_view kLogFolderName = "logs";

// Recording and the per-cell table, in a section of their own after the
// specified ones.
struct DatalogSettings {
    static constexpr int kMaxStartRpm = 25000;
    // A sensor downstream reads the exhaust a few hundred milliseconds after the cell that made it.
    static constexpr int kDefaultLambdaDelayMs = 300;
    static constexpr int kMaxLambdaDelayMs = 2000;

    bool autoRecord = false;  // start and stop by the engine speed
    int startRpm = 1500;      // above this speed recording starts by itself
    CellStatisticsSettings cells = [] {
        CellStatisticsSettings defaults;
        defaults.lambdaDelayMs = kDefaultLambdaDelayMs;
        return defaults;
    }();
};

// Reads AutoRecord, StartRpm and every limit of the cell table over the
// current values: RichAboveMv, MaxWeightMs, MaxThrottleRate (%/s),
// MinWaterC, OverrunThrottle, OverrunAboveRpm, MinLambdaMv, MaxLambdaMv,
// HoldOffMs, MinSamples, MinSeconds. Times are whole milliseconds and the
// rate whole percent a second, so that those entries are plain integers;
// MinSeconds, which came later, is seconds with a point ("1.0"); after it
// LambdaDelayMs (0 to 2000, whole milliseconds). A missing entry
// or one that is no number keeps the value, a number beyond its range takes
// the nearer end, and a lambda window whose ends cross keeps the values both
// ends had.
void LoadDatalogSettings(const ProfileFile& file, DatalogSettings& settings);
// Stores every entry in memory; the caller saves the file.
void StoreDatalogSettings(ProfileFile& file, const DatalogSettings& settings);

// <dataFolder>/ignition-programmer/logs.
std::filesystem::path LogFolder(const std::filesystem::path& dataFolder);

}  // namespace ign
