#pragma once

#include "ParameterSet.h"

#include <array>
#include <cstdint>

namespace ign {

// A running engine just good enough to give the monitor plausible numbers
// that answer the set in the unit's memory. It rides a fixed cycle of
// kCycleMs as a rider does: idle, a full-throttle run through the speed
// range and the overrun back to idle, then two part-throttle rows of the
// injection map ridden cell by cell, holding each cell steadily for 3 to 6 s
// as a rider holds a speed in a gear; again a run and an overrun, the next
// two rows, and so on through the rows 10 to 80 %. Every cell of the map is
// passed through. The speed range is the map's speed points (the limiter's
// range when they do not rise). The water warms up, the injection follows
// the map, and lambda follows the map cell the engine was in kLambdaLagMs
// earlier, as a sensor downstream does: a richer cell gives a higher voltage,
// with a little noise.
class SyntheticEngine {
public:
    static constexpr int kIdleRpm = 1200;
    static constexpr std::int64_t kCycleMs = 485500;
    // What the sensor shows was burnt this long before: the way down the pipe and the sensor's answer.
    static constexpr std::int64_t kLambdaLagMs = 300;

    // Moves the engine to the time given, reading the settings it follows from memory.
    void update(std::int64_t timeMs, const std::array<Byte, 220>& memory);
    // The monitor frame of the given type (0..3), check byte included.
    std::array<Byte, 12> frame(int type) const;

    int rpm() const { return rpm_; }
    int throttlePercent() const { return throttlePercent_; }
    int tpsMv() const { return tpsMv_; }
    int waterC() const { return waterC_; }
    int airC() const { return airC_; }
    int lambdaMv() const { return lambdaMv_; }
    int injectionTimeUs() const { return injectionTimeUs_; }
    int injectionPositionDeg() const { return injectionPositionDeg_; }

private:
    void followMixture(std::int64_t timeMs, const std::array<Byte, 220>& memory);

    int rpm_ = kIdleRpm;
    int throttlePercent_ = 0;
    int iapPercent_ = 30;
    int tpsMv_ = 500;
    int waterC_ = 20;
    int airC_ = 25;
    int lambdaMv_ = 450;
    double sensorMv_ = 450;  // the sensor's output before noise, lagging the mixture
    std::int64_t lastMs_ = -1;
    int injectionTimeUs_ = 0;
    int injectionPositionDeg_ = 0;
    int counter_ = 0;
};

}  // namespace ign
