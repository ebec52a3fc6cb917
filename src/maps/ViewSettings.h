#pragma once

#include "ProfileFile.h"

#include <string_view>

namespace ign {

inline constexpr std::string_view kViewSection = "VIEW";

// How the map views look, in a section of their own after the specified ones.
struct ViewSettings {
    static constexpr int kMaxTrailSeconds = 60;

    bool heatMap = true;         // heat-map colours on the map and the corrections
    int trailSeconds = 5;        // the operating point's trail; 0 shows none
    bool operatingPoint = true;  // the live operating point on the map and the curves

    bool operator==(const ViewSettings&) const = default;
};

// Reads HeatMap, TrailSeconds and OperatingPoint over the current values. A missing entry or
// one that is no number keeps the value; HeatMap or OperatingPoint other than 0 or 1 keeps it
// too; a trail beyond 0..kMaxTrailSeconds takes the nearer end.
void LoadViewSettings(const ProfileFile& file, ViewSettings& settings);
// Stores the entries in memory; the caller saves the file.
void StoreViewSettings(ProfileFile& file, const ViewSettings& settings);

}  // namespace ign
