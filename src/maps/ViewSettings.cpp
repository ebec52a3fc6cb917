#include "ViewSettings.h"

#include "SettingValue.h"

namespace ign {

namespace {

constexpr std::string_view kHeatMap = "HeatMap";
constexpr std::string_view kTrailSeconds = "TrailSeconds";
constexpr std::string_view kOperatingPoint = "OperatingPoint";

}  // namespace

void LoadViewSettings(const ProfileFile& file, ViewSettings& settings) {
    ReadSwitch(file, kViewSection, kHeatMap, settings.heatMap);
    ReadInRange(file, kViewSection, kTrailSeconds, settings.trailSeconds, 0, ViewSettings::kMaxTrailSeconds);
    ReadSwitch(file, kViewSection, kOperatingPoint, settings.operatingPoint);
}

void StoreViewSettings(ProfileFile& file, const ViewSettings& settings) {
    file.WriteInteger(kViewSection, kHeatMap, settings.heatMap ? 1 : 0);
    file.WriteInteger(kViewSection, kTrailSeconds, settings.trailSeconds);
    file.WriteInteger(kViewSection, kOperatingPoint, settings.operatingPoint ? 1 : 0);
}

}  // namespace ign
