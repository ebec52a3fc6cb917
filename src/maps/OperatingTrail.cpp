#include "OperatingTrail.h"

#include <algorithm>

namespace ign {

void OperatingTrail::setTrailMs(std::int64_t trailMs) {
    trailMs_ = std::max<std::int64_t>(trailMs, 0);
    if (!samples_.empty()) dropOlderThan(samples_.back().timeMs - trailMs_);
}

void OperatingTrail::add(const OperatingSample& sample) {
    samples_.push_back(sample);
    // The newest sample always stays; older ones only as long as the trail reaches.
    dropOlderThan(sample.timeMs - trailMs_);
}

void OperatingTrail::dropOlderThan(std::int64_t oldestMs) {
    while (samples_.size() > 1 && samples_.front().timeMs <= oldestMs) samples_.pop_front();
}

std::optional<OperatingSample> OperatingTrail::current(std::int64_t nowMs) const {
    if (samples_.empty() || nowMs - samples_.back().timeMs >= kHideAfterMs) return std::nullopt;
    return samples_.back();
}

std::vector<OperatingSample> OperatingTrail::trail(std::int64_t nowMs) const {
    std::vector<OperatingSample> out;
    if (!current(nowMs)) return out;
    for (std::size_t i = 0; i + 1 < samples_.size(); ++i) {
        if (nowMs - samples_[i].timeMs < trailMs_) out.push_back(samples_[i]);
    }
    return out;
}

}  // namespace ign
