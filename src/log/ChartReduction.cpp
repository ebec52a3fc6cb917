#include "ChartReduction.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ign {

namespace {

template <typename T>
std::vector<std::size_t> Reduce(std::span<const double> x, std::span<const T> y, double x0, double x1,
                                int columns) {
    std::vector<std::size_t> out;
    const std::size_t n = std::min(x.size(), y.size());
    if (n == 0 || columns <= 0 || !(x1 > x0) || !std::isfinite(x1 - x0)) return out;
    const double width = x1 - x0;
    auto valid = [&](std::size_t k) { return !std::isnan(static_cast<double>(y[k])); };
    auto columnOf = [&](std::size_t k) {
        // Clamped first: a point outside the range must not overflow the conversion.
        return std::min(static_cast<int>(std::clamp((x[k] - x0) / width, 0.0, 1.0) * columns), columns - 1);
    };

    std::size_t i =
        static_cast<std::size_t>(std::lower_bound(x.begin(), x.begin() + std::ptrdiff_t(n), x0) - x.begin());
    // The last valid point before the range.
    for (std::size_t k = i; k-- > 0;) {
        if (valid(k)) {
            out.push_back(k);
            break;
        }
    }
    while (i < n && x[i] <= x1) {
        const int column = columnOf(i);
        std::size_t first = n, last = n, low = n, high = n;
        for (; i < n && x[i] <= x1 && columnOf(i) == column; ++i) {
            if (!valid(i)) continue;
            if (first == n) first = low = high = i;
            last = i;
            if (y[i] < y[low]) low = i;
            if (y[i] > y[high]) high = i;
        }
        if (first == n) continue;
        std::array<std::size_t, 4> picks{first, low, high, last};
        std::sort(picks.begin(), picks.end());
        const auto end = std::unique(picks.begin(), picks.end());
        out.insert(out.end(), picks.begin(), end);
    }
    // The first valid point after the range.
    for (; i < n; ++i) {
        if (valid(i)) {
            out.push_back(i);
            break;
        }
    }
    return out;
}

}  // namespace

std::vector<std::size_t> ReduceToColumns(std::span<const double> x, std::span<const float> y, double x0,
                                         double x1, int columns) {
    return Reduce(x, y, x0, x1, columns);
}

std::vector<std::size_t> ReduceToColumns(std::span<const double> x, std::span<const double> y, double x0,
                                         double x1, int columns) {
    return Reduce(x, y, x0, x1, columns);
}

}  // namespace ign
