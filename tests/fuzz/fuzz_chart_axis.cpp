#include "TimeAxis.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// A chart's time axis for any range: "<start> <span> <pixels> [<zero>]" as text, so
// that mutations reach the ranges that matter (huge times, zero spans). It
// must end with at most kMaxAxisTicks finite ticks.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* at = text.c_str();
    char* end = nullptr;
    const double start = std::strtod(at, &end);
    at = end;
    const double span = std::strtod(at, &end);
    at = end;
    const double pixels = std::strtod(at, &end);
    at = end;
    const double zero = std::strtod(at, &end);
    const std::vector<double> ticks = ign::TimeAxisTicks(start, start + span, pixels, zero);
    if (ticks.size() > ign::kMaxAxisTicks) __builtin_trap();
    for (const double t : ticks)
        if (!std::isfinite(t)) __builtin_trap();
    return 0;
}
