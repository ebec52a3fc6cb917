#pragma once

#include "ParameterSet.h"
#include "RestorePointStore.h"

#include <filesystem>
#include <optional>

namespace ign {

// A parameter file read as a side of a comparison: over the default set of
// machine 0 (a first start's set), then validated as Open validates. False,
// and `set` untouched, for a file that cannot be read or from which no value
// was taken (a damaged point, another program's file of that name).
bool LoadComparedSet(const std::filesystem::path& path, ParameterSet& set);

struct ReferencePoint {
    RestorePoint point;
    ParameterSet set;
};

// What a set has changed since when nobody says otherwise: what was
// programmed before it, the newest point of `reason` whose values differ
// from `set` (a point of the same values is this set programmed, not its
// predecessor). Points that give no value are passed over. Nothing when no
// point qualifies.
std::optional<ReferencePoint> NewestDifferingPoint(const RestorePointList& list, const ParameterSet& set,
                                                   RestoreReason reason = RestoreReason::Program);

}  // namespace ign
