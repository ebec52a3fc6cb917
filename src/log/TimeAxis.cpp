#include "TimeAxis.h"

#include <algorithm>
#include <cmath>

namespace ign {

double NiceStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(std::max(rough, 1e-3))));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= rough) return m * power;
    return 10 * power;
}

std::vector<double> TimeAxisTicks(double t0, double t1, double pixels, double zero) {
    std::vector<double> ticks;
    if (!std::isfinite(t0) || !std::isfinite(t1) || !std::isfinite(zero)) return ticks;
    if (!(t1 > t0)) {
        ticks.push_back(t0);
        return ticks;
    }
    const double perAxis = std::isfinite(pixels) ? std::max(1.0, pixels / kAxisTickSpacingPx) : 1.0;
    const double step = NiceStep((t1 - t0) / perAxis);
    // A tick that falls on an end stays, whichever way the last bit of the division went
    // (one C library's pow gives 10^-3 a bit above 0.001).
    constexpr double kEndSlack = 1e-6;
    const double first = std::ceil((t0 - zero) / step - kEndSlack);
    const double last = std::floor((t1 - zero) / step + kEndSlack);
    if (!std::isfinite(step) || !std::isfinite(first) || !std::isfinite(last) || last < first) return ticks;
    // Beside times of 1e16 a step of a millisecond is lost: the ticks then
    // coincide, and the count alone ends the loop.
    const double count = std::min(last - first + 1, static_cast<double>(kMaxAxisTicks));
    ticks.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < static_cast<int>(count); ++k) ticks.push_back(zero + (first + k) * step);
    return ticks;
}

}  // namespace ign
