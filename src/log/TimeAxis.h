#pragma once

#include <vector>

namespace ign {

// An axis never carries more ticks than this, whatever it is asked to span.
inline constexpr int kMaxAxisTicks = 1000;
// About one tick every this many pixels.
inline constexpr double kAxisTickSpacingPx = 90;

// A step near `rough` that reads well: 1, 2 or 5 times a power of ten, at
// least a millisecond.
double NiceStep(double rough);

// The times of the ticks of an axis `pixels` wide that shows t0 .. t1: `zero`
// plus every multiple of a nice step in the range, at most kMaxAxisTicks of
// them (an axis counting from a recording's start has its ticks on round
// times from that start). The
// ticks are counted, never stepped to, so no range can keep the caller
// looping: a span of zero (or one that floating point cannot tell from zero)
// is one moment with one tick, and a range that is no finite number has none.
std::vector<double> TimeAxisTicks(double t0, double t1, double pixels, double zero = 0);

}  // namespace ign
