#pragma once

#include "SetDifferences.h"

#include <array>
#include <string>
#include <string_view>

namespace ign {

// The words a difference is told with, in one language (UTF-8). The window may
// hand its own; DifferenceCaptionsFor gives the program's three.
struct DifferenceCaptions {
    // By Param: the caption the window shows at the value, without its unit
    // ("Curve A", "Limiter 1", "Act. by closing, Blocking").
    std::array<std::string_view, kParamCount> params;
    std::string_view point;  // before the number of a speed-axis point: "point 5"
    std::string_view on;
    std::string_view off;
    std::array<std::string_view, 3> positionChoices;  // the injection-position choice's items
};

// 0 English, 1 Czech, 2 German; any other code gives English.
const DifferenceCaptions& DifferenceCaptionsFor(Byte language);

// "6 000 rpm", "40 % × 8 000 rpm", "-10 °C", "point 5", or "" where the
// parameter has a single value.
std::string FormatPosition(const PointPosition& position, const DifferenceCaptions& captions);

// One value of a difference as the line shows it: "31°", "104 %", "on", "Honda CBR 600", "Centre".
std::string FormatValue(const Difference& difference, int value, const DifferenceCaptions& captions);

// "Curve A, 6 000 rpm: 31° → 33°", "Injection map, 40 % × 8 000 rpm: 104 % → 108 %",
// "Limiter 1: 10 000 rpm → 10 500 rpm", "Gas enable: off → on".
std::string FormatDifference(const Difference& difference, const DifferenceCaptions& captions);

}  // namespace ign
