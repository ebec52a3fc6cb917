#include "DatalogSettings.h"

#include "SettingValue.h"
#include "SettingsLocation.h"

#include <array>
#include <cmath>

namespace ign {

namespace {

using S = CellStatisticsSettings;

// One limit of the cell table: a whole number, or a fraction stored as a
// whole number of `scale`ths (seconds as milliseconds).
struct Limit {
    std::string_view key;
    int S::*whole;
    double S::*fraction;
    int scale;
    int min, max;

    int stored(const S& cells) const {
        return whole ? cells.*whole : static_cast<int>(std::lround(cells.*fraction * scale));
    }
    void set(S& cells, int value) const {
        if (whole) {
            cells.*whole = value;
        } else {
            cells.*fraction = double(value) / scale;
        }
    }
};

// In the order of the settings struct, which is the order they are written in.
constexpr std::array<Limit, 10> kLimits{{
    {"RichAboveMv", &S::richAboveMv, nullptr, 1, 0, 1250},
    {"MaxWeightMs", nullptr, &S::maxWeightS, 1000, 1, 60000},
    {"MaxThrottleRate", nullptr, &S::maxThrottleRate, 1, 1, 10000},
    {"MinWaterC", &S::minWaterC, nullptr, 1, -40, 150},
    {"OverrunThrottle", &S::overrunThrottlePercent, nullptr, 1, 0, 100},
    {"OverrunAboveRpm", &S::overrunAboveRpm, nullptr, 1, 0, DatalogSettings::kMaxStartRpm},
    {"MinLambdaMv", &S::minLambdaMv, nullptr, 1, 0, 1250},
    {"MaxLambdaMv", &S::maxLambdaMv, nullptr, 1, 0, 1250},
    {"HoldOffMs", nullptr, &S::holdOffS, 1000, 0, 60000},
    {"MinSamples", &S::minSamples, nullptr, 1, 1, 100000},
}};

// After the limits above, in seconds: 0 to an hour.
constexpr std::string_view kMinSeconds = "MinSeconds";
constexpr double kMaxMinSeconds = 3600;

// After MinSeconds, in milliseconds.
constexpr std::string_view kLambdaDelayMs = "LambdaDelayMs";

constexpr std::string_view kAutoRecord = "AutoRecord";
constexpr std::string_view kStartRpm = "StartRpm";

}  // namespace

void LoadDatalogSettings(const ProfileFile& file, DatalogSettings& settings) {
    ReadSwitch(file, kDatalogSection, kAutoRecord, settings.autoRecord);
    ReadInRange(file, kDatalogSection, kStartRpm, settings.startRpm, 0, DatalogSettings::kMaxStartRpm);
    S& cells = settings.cells;
    const S before = cells;
    for (const Limit& limit : kLimits) {
        int value = limit.stored(cells);
        ReadInRange(file, kDatalogSection, limit.key, value, limit.min, limit.max);
        // An entry that is not there leaves a fraction exactly as it was, not rounded.
        if (value != limit.stored(cells)) limit.set(cells, value);
    }
    ReadDecimalInRange(file, kDatalogSection, kMinSeconds, cells.minSeconds, 0, kMaxMinSeconds);
    ReadInRange(file, kDatalogSection, kLambdaDelayMs, cells.lambdaDelayMs, 0,
                DatalogSettings::kMaxLambdaDelayMs);
    // A window that lets no sample through would leave every cell blank without a word.
    if (cells.minLambdaMv >= cells.maxLambdaMv) {
        cells.minLambdaMv = before.minLambdaMv;
        cells.maxLambdaMv = before.maxLambdaMv;
    }
}

void StoreDatalogSettings(ProfileFile& file, const DatalogSettings& settings) {
    file.WriteInteger(kDatalogSection, kAutoRecord, settings.autoRecord ? 1 : 0);
    file.WriteInteger(kDatalogSection, kStartRpm, settings.startRpm);
    for (const Limit& limit : kLimits)
        file.WriteInteger(kDatalogSection, limit.key, limit.stored(settings.cells));
    file.WriteString(kDatalogSection, kMinSeconds, DecimalText(settings.cells.minSeconds));
    file.WriteInteger(kDatalogSection, kLambdaDelayMs, settings.cells.lambdaDelayMs);
}

std::filesystem::path LogFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / kSettingsFolderName / kLogFolderName;
}

}  // namespace ign
