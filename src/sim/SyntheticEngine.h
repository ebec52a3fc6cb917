#pragma once

#include "ParameterSet.h"

#include <array>
#include <cstdint>

namespace ign {

// A running engine just good enough to give the monitor plausible numbers
// that answer the set in the unit's memory. It drives a fixed cycle of
// kCycleMs: idle, a full-throttle run, the overrun back to idle, then one
// sweep of the speed range at each part-throttle row of the injection map,
// so every cell of the map is passed through. The speed range is the map's
// speed points (the limiter's range when they do not rise), each column
// taking about the same time. The water warms up, the injection follows the
// map, and lambda follows the map cell the engine is in: a richer cell gives
// a higher voltage, with the sensor's lag and a little noise.
class SyntheticEngine {
public:
    static constexpr int kIdleRpm = 1200;
    static constexpr std::int64_t kCycleMs = 103000;

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
