#pragma once

#include "ParameterSet.h"

#include <array>
#include <span>

namespace ign {

// Where a value lies along an axis of points, as a fractional index: point i
// is i, and between points i and i + 1 the value sits at
// i + (v - a[i]) / (a[i+1] - a[i]). Values beyond the ends give the ends. The
// axis should rise; where a unit holds one that does not, the result still
// stays within 0 .. size - 1 and nothing divides by zero.
double AxisPosition(std::span<const double> axis, double value);
// The value at a fractional index: the inverse of AxisPosition on a rising axis.
double AxisValue(std::span<const double> axis, double position);
// The point nearest to a fractional index (halfway goes up).
int NearestIndex(double position);

// The injection map's axes: columns are the speed points of RPM_JET in rpm,
// rows the throttle openings the window labels them with (there is no 90 %).
inline constexpr std::array<double, kMapSize> kMapThrottleAxis{0, 10, 20, 30, 40, 50, 60, 70, 80, 100};
std::array<double, kMapSize> MapSpeedAxis(std::span<const Byte, kMapSize> rpmJet);
std::array<double, kMapSize> MapSpeedAxis(const InjectionBlock& injection);

// The engine's place on the injection map: fractional column and row, and the
// nearest cell.
struct MapPoint {
    double column = 0;
    double row = 0;
    int nearestColumn = 0;
    int nearestRow = 0;
};
MapPoint MapPosition(std::span<const double, kMapSize> speedAxis, double rpm, double throttlePercent);
MapPoint MapPosition(const InjectionBlock& injection, double rpm, double throttlePercent);

// The engine's place on an ignition curve (RPM_A with ADV_A, or RPM_B with
// ADV_B): the fractional point and the advance in degrees interpolated there,
// held at the first and last point beyond the ends.
struct CurvePoint {
    double position = 0;
    double advanceDeg = 0;
};
CurvePoint CurvePosition(const Points10& rpmBytes, const Points10& advanceBytes, double rpm);

}  // namespace ign
