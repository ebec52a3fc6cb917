#pragma once

#include "RestorePointName.h"

#include <vector>

namespace ign {

// How long restore points live. A point goes only when all three hold: it is
// older than keepDays, it is not among the keepCount newest, and it is not
// marked keep. A negative number counts as 0.
struct RetentionRules {
    int keepDays = 30;
    int keepCount = 200;

    bool operator==(const RetentionRules&) const = default;
};

// The indexes into `newestFirst` of the points the rules let go, at `now`.
// A point whose time lies after `now` (a clock set back) is not old.
std::vector<std::size_t> ExpiredPoints(const std::vector<RestorePointName>& newestFirst,
                                       const RetentionRules& rules, const LocalTime& now);

}  // namespace ign
