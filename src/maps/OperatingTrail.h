#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace ign {

// Where the engine ran at one moment, in its own units; views turn it into a
// place on the map or a curve with the axes they show at the time.
struct OperatingSample {
    std::int64_t timeMs = 0;
    double rpm = 0;
    double throttlePercent = 0;
};

// The live operating point and the trail behind it. Time is whatever clock
// the caller's frames carry (the window's tick count x 55 ms): nothing here
// reads a clock.
class OperatingTrail {
public:
    static constexpr std::int64_t kDefaultTrailMs = 5000;
    static constexpr std::int64_t kHideAfterMs = 1000;

    // 0 keeps no trail, only the current point.
    explicit OperatingTrail(std::int64_t trailMs = kDefaultTrailMs)
        : trailMs_(std::max<std::int64_t>(trailMs, 0)) {}
    void setTrailMs(std::int64_t trailMs);
    std::int64_t trailMs() const { return trailMs_; }

    // A frame brought a new speed or throttle opening (pass the latest of both).
    void add(const OperatingSample& sample);
    void clear() { samples_.clear(); }

    // The point to mark now: none before the first frame and once no frame
    // has come for kHideAfterMs.
    std::optional<OperatingSample> current(std::int64_t nowMs) const;
    // The trail at nowMs, oldest first, without the current point: samples
    // younger than the trail length. Each one's age (nowMs - timeMs) over
    // trailMs() gives how far it has faded. Empty while the marker is hidden.
    std::vector<OperatingSample> trail(std::int64_t nowMs) const;

private:
    void dropOlderThan(std::int64_t oldestMs);

    std::int64_t trailMs_;
    std::deque<OperatingSample> samples_;
};

}  // namespace ign
