#pragma once

#include "LogReader.h"
#include "MapGeometry.h"
#include "Monitor.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

namespace ign {

// The limits of the per-cell table; each one a setting of its own.
struct CellStatisticsSettings {
    int richAboveMv = 450;           // a sample above this counts as rich
    double maxWeightS = 0.5;         // a sample stands for the time to the next, at most this
    double maxThrottleRate = 20;     // %/s between samples; faster is a transient
    int minWaterC = 60;              // colder is warm-up
    int overrunThrottlePercent = 2;  // at or below this opening ...
    int overrunAboveRpm = 2000;      // ... and above this speed the engine is on the overrun
    int minLambdaMv = 50;            // outside these the sensor is cold or the signal bad
    int maxLambdaMv = 1000;
    double holdOffS = 0.5;  // after any of the above, samples stay out this long
    // A cell shows its figures once it holds both this many samples and this
    // much of their time. The stream brings a lambda sample about every 0.4 s,
    // so a cell the engine held for a second or two already counts.
    int minSamples = 3;
    double minSeconds = 1.0;
    // The lambda sensor's delay: a sample is put into the cell of the speed
    // and throttle this long before it, as the exhaust it reads was burnt
    // then. 0 pairs it with its own moment; the setting's default
    // (DatalogSettings) is a sensor's usual lag.
    int lambdaDelayMs = 0;
};

// One lambda sample: a type-0 frame's lambda with the speed and throttle of
// the sensor's delay earlier and the latest water temperature; unknown ones
// (no frame of their type yet) empty.
struct LambdaSample {
    double timeS = 0;
    double throttlePercent = 0;
    double lambdaMv = 0;
    std::optional<double> rpm;
    std::optional<double> waterC;
};

// What one cell of the injection map saw. Time, mean and share are weighted
// by each sample's time to the next.
struct CellFigures {
    double timeS = 0;
    int samples = 0;
    double lambdaSum = 0;  // sum of weight x mV
    double richTimeS = 0;  // weight of the samples above the rich threshold

    double meanLambdaMv() const { return timeS > 0 ? lambdaSum / timeS : 0; }
    double richShare() const { return timeS > 0 ? richTimeS / timeS : 0; }
};

// Why samples were left out, counted per reason (a sample counts under the
// first reason that applies; holdOff is only for samples no other reason took).
struct CellFilterCounts {
    int noSpeed = 0, transient = 0, cold = 0, overrun = 0, lambdaRange = 0, holdOff = 0;
};

// Where the engine ran and how rich: per injection-map cell (the nearest
// one), time spent, samples, mean lambda and the share above the rich
// threshold. Feed it samples in time order, from a log or live; a sample is
// entered once the next one gives its weight, and finish() enters the last.
// The speed axis stays as given: after a change of RPM_JET start a new table.
class CellStatistics {
public:
    explicit CellStatistics(const std::array<double, kMapSize>& speedAxis,
                            CellStatisticsSettings settings = {});

    void add(const LambdaSample& sample);
    // Live: a monitor frame of the given type that arrived at timeMs (the
    // frames' clock, as the log writer takes it), with the readings after it.
    // Only type 0 is a sample; the rest only bring speed and temperature.
    // Each sample takes the speed and throttle of lambdaDelayMs earlier.
    void addFrame(std::int64_t timeMs, int type, const MonitorReadings& readings);
    // The last sample held back for its weight goes in, weighted up to endS
    // (seconds on the samples' clock).
    void finish(double endS);

    const CellFigures& cell(int row, int column) const;
    // The cell's figures once it has enough samples and time to be trusted.
    std::optional<CellFigures> figures(int row, int column) const;
    const CellFilterCounts& filtered() const { return filtered_; }
    const CellStatisticsSettings& settings() const { return settings_; }
    const std::array<double, kMapSize>& speedAxis() const { return axis_; }

private:
    struct Pending {
        LambdaSample sample;
        int row = 0, column = 0;
    };
    // The engine's speed and throttle at a frame's arrival, kept for the delay.
    struct OperatingPoint {
        std::int64_t timeMs = 0;
        std::optional<double> rpm;
        double throttlePercent = 0;
    };
    bool leftOut(const LambdaSample& s);
    void enter(const Pending& p, double nextS);

    std::array<double, kMapSize> axis_;
    CellStatisticsSettings settings_;
    std::array<CellFigures, kMapSize * kMapSize> cells_{};
    CellFilterCounts filtered_;
    std::optional<Pending> pending_;
    std::optional<LambdaSample> previous_;  // the last sample, kept or not, for the throttle rate
    std::optional<double> lastBadS_;        // when a filter last applied
    std::deque<OperatingPoint> recent_;     // live: the frames of the last lambdaDelayMs and one before
};

// The table for a whole log: the lambda of its type-0 rows (every row when
// it has no type column), each with the latest speed and throttle at or
// before lambdaDelayMs earlier and the latest water. Nothing when the log
// lacks the throttle, lambda or speed column.
std::optional<CellStatistics> CellStatisticsOfLog(const LogData& log,
                                                  const std::array<double, kMapSize>& speedAxis,
                                                  CellStatisticsSettings settings = {});

}  // namespace ign
