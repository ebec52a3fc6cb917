#include "Retention.h"

#include <algorithm>

namespace ign {

std::vector<std::size_t> ExpiredPoints(const std::vector<RestorePointName>& newestFirst,
                                       const RetentionRules& rules, const LocalTime& now) {
    const auto keepCount = static_cast<std::size_t>(std::max(rules.keepCount, 0));
    const std::int64_t maxAge = static_cast<std::int64_t>(std::max(rules.keepDays, 0)) * 86400;
    const std::int64_t nowSeconds = SecondsOf(now);
    std::vector<std::size_t> expired;
    for (std::size_t i = keepCount; i < newestFirst.size(); ++i) {
        const RestorePointName& point = newestFirst[i];
        if (!point.keep && nowSeconds - SecondsOf(point.time) > maxAge) expired.push_back(i);
    }
    return expired;
}

}  // namespace ign
