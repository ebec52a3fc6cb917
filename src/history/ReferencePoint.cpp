#include "ReferencePoint.h"

#include "New.h"
#include "ParameterFile.h"
#include "SetDifferences.h"
#include "Validation.h"

namespace ign {

bool LoadComparedSet(const std::filesystem::path& path, ParameterSet& set) {
    ParameterSet loaded{};
    ApplyMachineDefaults(loaded);
    ParameterKeys keys;
    if (!LoadParameterFile(path, loaded, &keys) || keys.found.empty()) return false;
    ValidateParameters(loaded);
    set = loaded;
    return true;
}

std::optional<ReferencePoint> NewestDifferingPoint(const RestorePointList& list, const ParameterSet& set,
                                                   RestoreReason reason) {
    for (const RestorePoint& point : list.points) {
        if (point.name.reason != reason) continue;
        ReferencePoint reference{point, {}};
        if (LoadComparedSet(point.path, reference.set) && !SameValues(reference.set, set)) return reference;
    }
    return std::nullopt;
}

}  // namespace ign
