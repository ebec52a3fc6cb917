#include "MapGeometry.h"

#include "Conversion.h"

#include <algorithm>
#include <cmath>

namespace ign {

double AxisPosition(std::span<const double> axis, double value) {
    if (axis.size() < 2 || std::isnan(value)) return 0;
    for (std::size_t i = 0; i + 1 < axis.size(); ++i) {
        if (value >= axis[i] && value < axis[i + 1]) {
            return static_cast<double>(i) + (value - axis[i]) / (axis[i + 1] - axis[i]);
        }
    }
    // Outside every rising stretch: the end the value lies beyond.
    return value <= axis.front() ? 0 : static_cast<double>(axis.size() - 1);
}

double AxisValue(std::span<const double> axis, double position) {
    if (axis.size() < 2) return axis.empty() ? 0 : axis.front();
    if (std::isnan(position)) position = 0;
    position = std::clamp(position, 0.0, static_cast<double>(axis.size() - 1));
    const std::size_t i = std::min(static_cast<std::size_t>(position), axis.size() - 2);
    return axis[i] + (axis[i + 1] - axis[i]) * (position - static_cast<double>(i));
}

int NearestIndex(double position) { return static_cast<int>(std::floor(position + 0.5)); }

std::array<double, kMapSize> MapSpeedAxis(std::span<const Byte, kMapSize> rpmJet) {
    std::array<double, kMapSize> axis{};
    for (std::size_t i = 0; i < axis.size(); ++i)
        axis[i] = ToUser(Info(Param::RPM_JET).conversion, rpmJet[i]);
    return axis;
}

std::array<double, kMapSize> MapSpeedAxis(const InjectionBlock& injection) {
    return MapSpeedAxis(std::span<const Byte, kMapSize>(injection.RPM_JET));
}

MapPoint MapPosition(std::span<const double, kMapSize> speedAxis, double rpm, double throttlePercent) {
    MapPoint p;
    p.column = AxisPosition(speedAxis, rpm);
    p.row = AxisPosition(kMapThrottleAxis, throttlePercent);
    p.nearestColumn = NearestIndex(p.column);
    p.nearestRow = NearestIndex(p.row);
    return p;
}

MapPoint MapPosition(const InjectionBlock& injection, double rpm, double throttlePercent) {
    return MapPosition(MapSpeedAxis(injection), rpm, throttlePercent);
}

CurvePoint CurvePosition(const Points10& rpmBytes, const Points10& advanceBytes, double rpm) {
    std::array<double, 10> speeds{}, advance{};
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        speeds[i] = ToUser(Info(Param::RPM_A).conversion, rpmBytes[i]);
        advance[i] = ToUser(Info(Param::ADV_A).conversion, advanceBytes[i]);
    }
    CurvePoint p;
    p.position = AxisPosition(speeds, rpm);
    p.advanceDeg = AxisValue(advance, p.position);
    return p;
}

}  // namespace ign
