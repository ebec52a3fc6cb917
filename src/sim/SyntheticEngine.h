#pragma once

#include "ParameterSet.h"

#include <array>
#include <cstdint>

namespace ign {

// A running engine just good enough to give the monitor plausible numbers:
// the speed sweeps between idle and the first limiter, throttle and intake
// pressure follow it, the water warms up, and the injection follows the map
// held in the unit's memory.
class SyntheticEngine {
public:
    static constexpr int kIdleRpm = 1200;

    // Moves the engine to the time given, reading the settings it follows from memory.
    void update(std::int64_t timeMs, const std::array<Byte, 220>& memory);
    // The monitor frame of the given type (0..3), check byte included.
    std::array<Byte, 12> frame(int type) const;

    int rpm() const { return rpm_; }
    int throttlePercent() const { return throttlePercent_; }
    int tpsMv() const { return tpsMv_; }
    int waterC() const { return waterC_; }
    int airC() const { return airC_; }
    int injectionTimeUs() const { return injectionTimeUs_; }
    int injectionPositionDeg() const { return injectionPositionDeg_; }

private:
    int rpm_ = kIdleRpm;
    int throttlePercent_ = 0;
    int iapPercent_ = 30;
    int tpsMv_ = 500;
    int waterC_ = 20;
    int airC_ = 25;
    int lambdaMv_ = 450;
    int injectionTimeUs_ = 0;
    int injectionPositionDeg_ = 0;
    int counter_ = 0;
};

}  // namespace ign
