#include "CellStatistics.h"

#include "MonitorChannels.h"

#include <algorithm>
#include <cmath>

namespace ign {

namespace {

// Live operating points kept at most, whatever the frames' clock does.
constexpr std::size_t kMaxRecentPoints = 4096;
// A log's times are read as binary fractions: 0.7 - 0.4 comes out a hair
// below 0.3, which must still find the row written at 0.300.
constexpr double kTimeToleranceS = 1e-6;

}  // namespace

CellStatistics::CellStatistics(const std::array<double, kMapSize>& speedAxis, CellStatisticsSettings settings)
    : axis_(speedAxis), settings_(settings) {}

void CellStatistics::add(const LambdaSample& sample) {
    if (pending_) {
        enter(*pending_, sample.timeS);
        pending_.reset();
    }
    if (leftOut(sample)) return;
    const MapPoint p = MapPosition(axis_, *sample.rpm, sample.throttlePercent);
    pending_ = Pending{sample, p.nearestRow, p.nearestColumn};
}

void CellStatistics::addFrame(std::int64_t timeMs, int type, const MonitorReadings& r) {
    // Without a delay the frame's own moment is the one wanted, whatever came before.
    if (settings_.lambdaDelayMs <= 0) recent_.clear();
    OperatingPoint now{timeMs, {}, static_cast<double>(r.tpsPercent)};
    if (r.haveType2) now.rpm = r.rpm;
    recent_.push_back(now);
    if (recent_.size() > kMaxRecentPoints) recent_.pop_front();
    if (type != 0) return;
    // The last point at or before the delay; those before it are needed no more.
    const std::int64_t thenMs = timeMs - settings_.lambdaDelayMs;
    while (recent_.size() > 1 && recent_[1].timeMs <= thenMs) recent_.pop_front();
    LambdaSample s{static_cast<double>(timeMs) / 1000, 0, static_cast<double>(r.lambdaMv), {}, {}};
    if (recent_.front().timeMs <= thenMs) {
        s.throttlePercent = recent_.front().throttlePercent;
        s.rpm = recent_.front().rpm;
    }
    if (r.haveType1) s.waterC = r.waterC;
    add(s);
}

void CellStatistics::finish(double endS) {
    if (pending_) enter(*pending_, endS);
    pending_.reset();
}

bool CellStatistics::leftOut(const LambdaSample& s) {
    const std::optional<LambdaSample> previous = previous_;
    previous_ = s;
    if (!s.rpm) {
        ++filtered_.noSpeed;
        return true;
    }
    const CellStatisticsSettings& limits = settings_;
    bool transient = false;
    if (previous) {
        const double dt = s.timeS - previous->timeS;
        const double change = std::abs(s.throttlePercent - previous->throttlePercent);
        transient = change > 0 && (dt <= 0 || change / dt > limits.maxThrottleRate);
    }
    int* reason = nullptr;
    if (transient) {
        reason = &filtered_.transient;
    } else if (!s.waterC || *s.waterC < limits.minWaterC) {
        reason = &filtered_.cold;
    } else if (s.throttlePercent <= limits.overrunThrottlePercent && *s.rpm > limits.overrunAboveRpm) {
        reason = &filtered_.overrun;
    } else if (s.lambdaMv < limits.minLambdaMv || s.lambdaMv > limits.maxLambdaMv) {
        reason = &filtered_.lambdaRange;
    }
    if (reason) {
        ++*reason;
        lastBadS_ = s.timeS;
        return true;
    }
    if (lastBadS_ && s.timeS - *lastBadS_ < limits.holdOffS) {
        ++filtered_.holdOff;
        return true;
    }
    return false;
}

void CellStatistics::enter(const Pending& p, double nextS) {
    const double weight = std::clamp(nextS - p.sample.timeS, 0.0, settings_.maxWeightS);
    CellFigures& cell = cells_[static_cast<std::size_t>(p.row * kMapSize + p.column)];
    ++cell.samples;
    cell.timeS += weight;
    cell.lambdaSum += weight * p.sample.lambdaMv;
    if (p.sample.lambdaMv > settings_.richAboveMv) cell.richTimeS += weight;
}

const CellFigures& CellStatistics::cell(int row, int column) const {
    return cells_[static_cast<std::size_t>(std::clamp(row, 0, kMapSize - 1) * kMapSize +
                                           std::clamp(column, 0, kMapSize - 1))];
}

std::optional<CellFigures> CellStatistics::figures(int row, int column) const {
    const CellFigures& c = cell(row, column);
    // Weights add up in binary fractions: a second made of ten tenths is a hair short of one.
    if (c.samples < settings_.minSamples || c.timeS <= 0 || c.timeS < settings_.minSeconds - 1e-9)
        return std::nullopt;
    return c;
}

std::optional<CellStatistics> CellStatisticsOfLog(const LogData& log,
                                                  const std::array<double, kMapSize>& speedAxis,
                                                  CellStatisticsSettings settings) {
    auto column = [&log](Channel c) -> const std::vector<float>* {
        const int i = log.columnIndex(ChannelInfo(c).name);
        return i < 0 ? nullptr : &log.columns[static_cast<std::size_t>(i)].values;
    };
    const std::vector<float>* throttle = column(Channel::TpsPercent);
    const std::vector<float>* lambda = column(Channel::LambdaMv);
    const std::vector<float>* rpm = column(Channel::Rpm);
    const std::vector<float>* water = column(Channel::WaterC);
    if (!throttle || !lambda || !rpm || !water) return std::nullopt;
    const int typeIndex = log.columnIndex("type");
    const std::vector<float>* type = typeIndex < 0 ? nullptr : &log.columns[std::size_t(typeIndex)].values;

    CellStatistics table(speedAxis, settings);
    const double delayS = settings.lambdaDelayMs / 1000.0;
    // The rows before `lag` are at or before the delay: the latest speed and
    // throttle among them are the operating point the lambda belongs to.
    std::size_t lag = 0;
    std::optional<double> lagRpm, lagThrottle, lastWater;
    for (std::size_t i = 0; i < log.rows(); ++i) {
        if (!std::isnan((*water)[i])) lastWater = (*water)[i];
        // Without a delay every row so far, whatever its time, as before the delay existed.
        for (; lag <= i && (delayS <= 0 || log.timeS[lag] <= log.timeS[i] - delayS + kTimeToleranceS);
             ++lag) {
            if (!std::isnan((*rpm)[lag])) lagRpm = (*rpm)[lag];
            if (!std::isnan((*throttle)[lag])) lagThrottle = (*throttle)[lag];
        }
        if (type && (*type)[i] != 0) continue;
        if (std::isnan((*throttle)[i]) || std::isnan((*lambda)[i])) continue;
        // Nothing known that early: the sample has no place (counted as without speed).
        table.add({log.timeS[i], lagThrottle.value_or(0), (*lambda)[i], lagThrottle ? lagRpm : std::nullopt,
                   lastWater});
    }
    if (log.rows() > 0) table.finish(log.timeS.back());
    return table;
}

}  // namespace ign
