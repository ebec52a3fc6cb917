#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace ign {

// The points of a long series worth drawing on `columns` pixel columns that
// show x0 .. x1: per column the first, the lowest, the highest and the last
// point in it (each once, in their order), and the nearest point beyond each
// end so the line runs on to the edge. A line through them looks the same as
// one through every point, at a cost that depends on the width, not on the
// length. `x` rises; points whose y is NaN (no value) are passed over.
// Returns indices into the series.
std::vector<std::size_t> ReduceToColumns(std::span<const double> x, std::span<const float> y, double x0,
                                         double x1, int columns);
std::vector<std::size_t> ReduceToColumns(std::span<const double> x, std::span<const double> y, double x0,
                                         double x1, int columns);

}  // namespace ign
